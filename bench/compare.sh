#!/usr/bin/env bash
# Whole-process figures, side by side in one run on the same generated files:
# grep -c against lomos --pdf and fichas --pdf, a bare Qt drawing program, the
# library calls the windows make, and (with --peer) the peer label program
# glabels-3-batch on the same labels. Prints the table of figures and the
# targets, and keeps the raw results in build-bench/compare/.
#   bench/compare.sh [--peer]
set -euo pipefail
cd "$(dirname "$0")/.."
peer=0
[ "${1:-}" = "--peer" ] && peer=1

need=(hyperfine time python3 libbenchmark-dev)
[ "$peer" = 1 ] && need+=(glabels)
missing=()
for p in "${need[@]}"; do dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p"); done
./tools/install-deps.sh
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DETIQUETAS_BENCH=ON -DETIQUETAS_TESTS=OFF >/dev/null
cmake --build build-bench >/dev/null
B=$PWD/build-bench
W=$B/compare
rm -rf "$W"; mkdir -p "$W"

# A drive C per size, each with the demo settings and the default coordinates.
drive() {
  local n=$1 d=$W/c$1
  mkdir -p "$d/CLIENTE/CATALOG/FILES/BIB50/PRINT"
  "$B/bench/make_prn" "$n" "$d/CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn"
  cp demo/ini.prn demo/cy.txt "$d/"
}
for n in 100000 3300 3600 33000; do drive "$n"; done
prn() { echo "$W/c$1/CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn"; }
mean() { python3 -c "import json,sys; print(json.load(open(sys.argv[1]))['results'][int(sys.argv[2])]['mean'])" "$1" "$2"; }
peak_mb() { /usr/bin/time -v env "$@" 2>&1 >/dev/null | awk '/Maximum resident/ {printf "%.1f", $6 / 1024}'; }

echo "== Generation: 100,000 items ($(stat -c %s "$(prn 100000)") bytes), from the page cache"
# grep's output must go to a pipe: to /dev/null it stops at the first match.
hyperfine -N --output=pipe -w 3 -r 20 --export-json "$W/grep.json" "grep -c <z30-call-no> $(prn 100000)" >/dev/null
"$B/bench/labels_bench" --benchmark_filter='Generation/100000|Check/100000|PreviewOneSheet' \
  --benchmark_min_time=1 --benchmark_format=json > "$W/generation.json" 2>/dev/null

echo "== Rendering: 100 sheets, and 1,000 sheets"
hyperfine -N -w 2 -r 15 --export-json "$W/render.json" \
  "env ETIQUETAS_UNIDAD_C=$W/c3300 $B/lomos/lomos --pdf $W/lomos3300.pdf" \
  "env ETIQUETAS_UNIDAD_C=$W/c3600 $B/fichas/fichas --pdf $W/fichas3600.pdf" \
  "$B/bench/bare_draw $W/bare.pdf 11700" \
  "env ETIQUETAS_UNIDAD_C=$W/c33000 $B/lomos/lomos --pdf $W/lomos33000.pdf" >/dev/null
lomos_peak=$(peak_mb ETIQUETAS_UNIDAD_C="$W/c33000" "$B/lomos/lomos" --pdf "$W/lomos33000.pdf")

peer_spine=""; peer_full=""
if [ "$peer" = 1 ]; then
  echo "== The peer, glabels-3-batch, on the same labels"
  P=../shared/bench/peer
  python3 "$P/gen_csv.py" --from-prn "$(prn 3300)" "$W/spine3300.csv" spine
  python3 "$P/gen_csv.py" --from-prn "$(prn 3600)" "$W/full3600.csv" full
  hyperfine -N -w 1 -r 3 --export-json "$W/peer.json" \
    "env CSV=$W/spine3300.csv bash $P/run_peer.sh 3300 $W/peer-spine.pdf spine" \
    "env CSV=$W/full3600.csv bash $P/run_peer.sh 3600 $W/peer-full.pdf full" >/dev/null
  peer_spine=$(mean "$W/peer.json" 0); peer_full=$(mean "$W/peer.json" 1)
fi

python3 - "$W" "$(stat -c %s "$(prn 100000)")" "$lomos_peak" "$peer_spine" "$peer_full" <<'PY'
import json, sys
w, size, peak, peer_spine, peer_full = sys.argv[1], int(sys.argv[2]), float(sys.argv[3]), sys.argv[4], sys.argv[5]
grep = json.load(open(f"{w}/grep.json"))["results"][0]["mean"]
render = [r["mean"] for r in json.load(open(f"{w}/render.json"))["results"]]
bench = {b["name"]: b for b in json.load(open(f"{w}/generation.json"))["benchmarks"]}
def seconds(name):
    b = bench[name]
    return b["real_time"] * {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
lomos_gen = seconds("BM_LomosGeneration/100000")
fichas_gen = seconds("BM_FichasGeneration/100000")
preview = seconds("BM_PreviewOneSheet")
lomos_check = seconds("BM_LomosCheck/100000")
fichas_check = seconds("BM_FichasCheck/100000")
lomos_pdf, fichas_pdf, bare, lomos_33k = render
rows = []
def row(what, figure, target, met):
    rows.append((what, figure, target, "sí" if met else "NO"))
gbps = lambda s: size / s / 1e6
row("grep -c, 100.000 ítems", f"{grep*1000:.1f} ms ({gbps(grep):.0f} MB/s)", "", True)
row("lomos: generación, 100.000 ítems", f"{lomos_gen*1000:.1f} ms ({gbps(lomos_gen):.0f} MB/s, {grep/lomos_gen:.2f} × grep)", ">= 0,5 × grep", grep / lomos_gen >= 0.5)
row("fichas: generación, 100.000 ítems", f"{fichas_gen*1000:.1f} ms ({gbps(fichas_gen):.0f} MB/s, {grep/fichas_gen:.2f} × grep)", ">= 0,5 × grep", grep / fichas_gen >= 0.5)
row("dibujo mínimo de Qt, 11.700 líneas", f"{bare*1000:.1f} ms", "", True)
row("lomos --pdf, 3.300 etiquetas", f"{lomos_pdf*1000:.1f} ms ({lomos_pdf/bare:.2f} × mínimo)", "<= 1,5 × mínimo", lomos_pdf <= 1.5 * bare)
if peer_spine:
    ps = float(peer_spine)
    row("glabels, 3.300 etiquetas de lomo", f"{ps:.2f} s", "", True)
    row("lomos --pdf frente a glabels", f"{ps/lomos_pdf:.0f} × más rápido", ">= 30 ×", ps / lomos_pdf >= 30)
row("fichas --pdf, 3.600 etiquetas", f"{fichas_pdf*1000:.1f} ms", "", True)
if peer_full:
    pf = float(peer_full)
    row("glabels, 3.600 etiquetas completas", f"{pf:.2f} s", "", True)
    row("fichas --pdf frente a glabels", f"{pf/fichas_pdf:.0f} × más rápido", ">= 30 ×", pf / fichas_pdf >= 30)
row("lomos --pdf, 33.000 etiquetas", f"{lomos_33k:.2f} s", "<= 1,5 s", lomos_33k <= 1.5)
row("   memoria máxima", f"{peak:.1f} MB", "< 64 MB", peak < 64)
row("ventana: Generar (lomos), 100.000 ítems", f"{lomos_gen*1000:.0f} ms", "< 250 ms", lomos_gen < 0.25)
row("ventana: Generar (fichas), 100.000 ítems", f"{fichas_gen*1000:.0f} ms", "< 250 ms", fichas_gen < 0.25)
row("comprobación antes de imprimir (lomos), 100.000", f"{lomos_check*1000:.0f} ms", "< 250 ms", lomos_check < 0.25)
row("comprobación antes de imprimir (fichas), 100.000", f"{fichas_check*1000:.0f} ms", "< 250 ms", fichas_check < 0.25)
row("ventana: vista previa de una hoja", f"{preview*1000:.1f} ms", "< 250 ms", preview < 0.25)
width = max(len(r[0]) for r in rows)
print()
print(f"{'medida':<{width}}  {'cifra':<44}  {'objetivo':<16}  cumple")
for what, figure, target, met in rows:
    print(f"{what:<{width}}  {figure:<44}  {target:<16}  {met if target else ''}")
PY
echo
echo "Máquina: $(nproc) núcleos, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
