#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "common/core/check/labelcheck.h"
#include "common/core/history/jobhistory.h"
#include "common/core/program/generation.h"
#include "common/core/program/labelprogram.h"
#include "common/core/review/review.h"

class DrawingSurface;

// What a main window works on, and what the windowless job builds too: the
// labels "Generar" made, their review, the settings of the next job and the
// surface the check measures on. Everything a job is made from comes from
// here, and flows one way: a flow reads it and says what changed with a
// signal.
class Workbench : public QObject {
    Q_OBJECT
public:
    // Makes the surface the check measures on: the printer a job goes to,
    // or the PDF it writes.
    using SurfaceMaker = std::function<std::shared_ptr<DrawingSurface>()>;

    Workbench(LabelProgram program, JobSettings settings, SurfaceMaker checkSurface);
    ~Workbench() override;

    const LabelProgram& program() const { return m_program; }
    const JobSettings& settings() const { return m_settings; }
    void setFontSize(const QString& points) {
        m_settings.fontSize = points;
        m_keptFontSize.reset();
    }
    void setStock(const std::optional<Stock>& stock);
    void setReach(const std::optional<QRectF>& reachCm) { m_settings.reachCm = reachCm; }
    // A design from now on; the labels made are made again with it, and the
    // review keeps what it had when they are as many. A design's size is
    // the size printed from then on.
    void setDesign(const design::Design& design);
    // What each field of a label may hold when the review edits it.
    std::vector<review::FieldRule> reviewRules() const { return m_program.reviewRules(settingsInUse().design); }
    // The rows and columns of the sheet the next job prints on.
    LabelGrid grid() const { return m_program.gridOf(m_settings); }

    // "Generar": the labels of the print file the settings point at, each
    // once as generated; the review starts again.
    generation::Report generate(const Settings& settings, generation::SaveSettings save);
    // "Limpiar": no labels.
    void clear();
    // Every job made from now on is kept in `history`, unless the newest
    // kept job already holds its labels.
    void keepJobsIn(std::shared_ptr<jobhistory::History> history) { m_history = std::move(history); }
    // "Abrir" in "Trabajos anteriores…": the labels of a kept job, made again
    // from what they were made from with its design, and its edits in the
    // review. Printing them keeps nothing new.
    void open(const jobhistory::KeptJob& job, const QString& file);
    // These labels printed: their edits kept with the job "Generar" kept,
    // or, when a kept job printed with other edits than it has, as a job
    // of their own.
    void keepEdits();
    // What the history had to set aside since last asked.
    QStringList historyNotices() { return m_history ? m_history->takeNotices() : QStringList(); }
    // Labels typed by hand, each its fields as the review shows them, after
    // the others ("Nueva etiqueta…", --add-label): cut and wrapped as
    // "Generar" would; the review keeps what it had.
    void addTyped(const std::vector<QStringList>& labels);

    // None before "Generar" and after "Limpiar".
    const GeneratedLabels* labels() const { return m_labels.get(); }
    std::shared_ptr<const GeneratedLabels> sharedLabels() const { return m_labels; }
    bool hasLabels() const { return m_labels != nullptr; }

    review::Review& review() { return m_review; }
    const review::Review& review() const { return m_review; }
    // The job as reviewed: none when it is every label once, as generated.
    jobselection::Choice reviewed() const;

    // A job of the labels `choice` names, with the settings as they are now.
    std::unique_ptr<LabelJob> job(const jobselection::Choice& choice) const;
    // The check on that job from the free places of `first`, on the check
    // surface.
    labelcheck::Result check(const jobselection::Choice& choice, const FirstSheet& first);

    DrawingSurface& checkSurface();
    // The printer changed: the check surface is made again when next needed.
    void printerChanged() { m_checkSurface.reset(); }

signals:
    // New labels, or none: what showed the old ones shows them no longer.
    void labelsReplaced();
    // `count` labels after the first `first`, typed by hand.
    void labelsAdded(qint64 first, qint64 count);

private:
    // The labels of the print file last read and those typed since, with
    // the design in use.
    std::shared_ptr<const GeneratedLabels> madeAgain() const;
    // The settings with the design of a kept job opened, if one is.
    JobSettings settingsInUse() const;
    // Of the print file read, the lines the program makes its labels from
    // with the design in use, read once when they are made: the client may
    // write the file again before a label is typed.
    QByteArray printFileItems() const;
    // The labels as they stand, what they are made from and with.
    jobhistory::KeptJob jobAsItStands() const;
    // Keeps `job` as the newest; the job this workbench kept before goes
    // once it is.
    void keepAsNewest(jobhistory::KeptJob job);
    // The labels as they stand into the history, unless the newest kept
    // job holds them already.
    void keepLabels();

    const LabelProgram m_program;
    JobSettings m_settings;
    SurfaceMaker m_makeCheckSurface;
    std::shared_ptr<DrawingSurface> m_checkSurface;
    std::shared_ptr<const GeneratedLabels> m_labels;
    QString m_printFile;      // what "Generar" read, if it read one
    QByteArray m_typedItems;  // the labels typed by hand since, as print-file items
    std::shared_ptr<jobhistory::History> m_history;
    QString m_keptFile;  // the kept job these labels are, if any
    bool m_keptHere = false;  // kept by this workbench rather than opened
    QByteArray m_printItems;  // printFileItems(), when jobs are kept
    std::optional<design::Design> m_keptDesign;  // the design of the kept job opened
    std::optional<QString> m_keptFontSize;       // and its size, when it kept one
    review::Review m_review;
};
