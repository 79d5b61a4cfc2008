#include "printfile_generator.h"

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

const std::array<const char*, 24> kTitles = {
    "Introducción a la programación", "Cálculo diferencial e integral", "Historia de México",
    "El laberinto de la soledad", "Álgebra lineal y sus aplicaciones", "Métodos numéricos para ingenieros",
    "Cien años de soledad", "Química orgánica", "Física universitaria con física moderna",
    "La región más transparente", "Pedro Páramo", "Diseño y análisis de algoritmos",
    "Teoría de la computación", "¿Qué es la filosofía?", "Análisis matemático",
    "Biología celular y molecular", "Derecho constitucional mexicano", "Psicología del desarrollo",
    "Sociología de la educación", "Ingeniería de software", "Termodinámica", "Mecánica de fluidos",
    "Ética para Amador", "Gramática de la lengua española"};
const std::array<const char*, 10> kTails = {
    "", "", "", ": una introducción práctica", ": teoría y práctica",
    " para estudiantes de ingeniería y ciencias", ": edición conmemorativa del centenario",
    " en el siglo XX", ", volumen 1", ": problemas resueltos y ejercicios propuestos"};
const std::array<const char*, 20> kSurnames = {
    "García", "Martínez", "Hernández", "López", "González", "Pérez", "Rodríguez", "Sánchez", "Ramírez",
    "Núñez", "Ibáñez", "Jiménez", "Peña", "Castañeda", "Fernández", "Ordóñez", "Álvarez", "Úrsula",
    "Chapra", "Cormen"};
const std::array<const char*, 12> kGiven = {"Juan", "María", "José", "Octavio", "Gabriel", "Sofía",
                                            "Andrés", "Inés", "Raúl", "Verónica", "Ángel", "Steven C."};
const std::array<const char*, 12> kClasses = {"QA", "QD", "QC", "PQ", "HF", "F", "HB", "LB", "TA", "KGF", "BF", "Z"};
const std::array<const char*, 4> kPrefixes = {"REF", "TESIS", "FOLLETO", "CD"};

class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <class Array>
    const char* pick(const Array& a) {
        return a[size_t(below(int(a.size())))];
    }

    // 3 to 7 parts, LC style, sometimes with a prefix, volume and copy.
    std::string callNumber() {
        const size_t parts = size_t(3 + below(5));
        std::vector<std::string> p;
        if (parts >= 6 && below(2)) p.push_back(pick(kPrefixes));
        p.push_back(std::string(pick(kClasses)) + std::to_string(1 + below(9999)) +
                    (below(3) == 0 ? "." + std::to_string(below(99)) : ""));
        p.push_back("." + std::string(1, char('A' + below(26))) + std::to_string(10 + below(89)));
        p.push_back(std::to_string(1950 + below(75)));
        while (p.size() < parts) {
            p.push_back(below(2) ? "V." + std::to_string(1 + below(9)) : "EJ." + std::to_string(2 + below(8)));
        }
        std::string out = p[0];
        for (size_t i = 1; i < p.size(); ++i) out += ' ' + p[i];
        return out;
    }
    std::string title() { return std::string(pick(kTitles)) + pick(kTails); }
    std::string author() {
        std::string out = std::string(pick(kSurnames)) + " " + pick(kSurnames) + ", " + pick(kGiven);
        if (below(3) == 0) out += ", " + std::to_string(1900 + below(80)) + "-";
        return out;
    }
    std::string barcode() { return "39" + std::to_string(10000000000LL + below(1000000000) * 89LL); }

private:
    std::mt19937 m_random;
};

}  // namespace

QByteArray makePrintFile(int items, unsigned seed) {
    Generator g(seed);
    std::string out;
    out.reserve(size_t(items) * 420 + 256);
    out += "## - XML_XSL\r\n<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<printout>\r\n"
           "<form-name>itemlbl</form-name>\r\n<form-language>SPA</form-language>\r\n";
    for (int i = 0; i < items; ++i) {
        std::array<std::string, 5> fields = {
            "<z30-call-no>" + g.callNumber() + "</z30-call-no>\r\n",
            "<z13-title>" + g.title() + "</z13-title>\r\n",
            "<z13-author>" + g.author() + "</z13-author>\r\n",
            "<z30-barcode>" + g.barcode() + "</z30-barcode>\r\n",
            "<z30-call-no-type>0</z30-call-no-type>\r\n"};
        for (size_t k = fields.size() - 1; k > 0; --k) std::swap(fields[k], fields[size_t(g.below(int(k) + 1))]);
        out += "<section-02>\r\n<z30-doc-number>" + std::to_string(100000000 + i) + "</z30-doc-number>\r\n";
        for (const std::string& f : fields) out += f;
        out += "<z30-sub-library>Biblioteca Central</z30-sub-library>\r\n</section-02>\r\n";
    }
    out += "</printout>\r\n";
    return QByteArray(out.data(), qsizetype(out.size()));
}
