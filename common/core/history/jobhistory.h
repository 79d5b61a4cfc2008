#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "common/core/review/jobselection.h"

// Every job a program made, kept for its user: the labels of last week can
// be found and printed again after the client has written another print
// file over them. One file a job, in a folder of the user's own, so that
// keeping one costs the same whatever the history holds.
namespace jobhistory {

using jobselection::Fields;

// A job as kept.
struct KeptJob {
    QDateTime made;
    QString program;       // "lomos", "fichas"
    QString stock;         // the stock's name; empty: the program's own sheet
    QByteArray design;     // the design file's text; empty: none
    QString fontSize;      // lomos: the size printed at, as typed; empty: none kept
    QByteArray items;      // the print-file items its labels are made from
    std::vector<Fields> labels;          // as generated, as the review shows them
    std::map<qint64, Fields> edits;      // what the review changed before printing
    QString firstCallNumber, lastCallNumber;
    // What a newer version wrote that this one does not know, kept as it was
    // when the job is written again.
    std::vector<std::pair<QByteArray, QByteArray>> otherKeys;
    std::vector<std::pair<QByteArray, QByteArray>> otherSections;
};

QByteArray toBytes(const KeptJob& job);
// A job read back whole, or none when the bytes are not one whole job.
std::optional<KeptJob> fromBytes(const QByteArray& bytes);

// What the list of kept jobs shows of one, and what its search looks in.
struct Listed {
    QString file;
    QDateTime made;
    qint64 labelCount = 0;
    QString firstCallNumber, lastCallNumber;
    QString stock;
    QString searchText;  // every field of every label, case-folded
};

// Whether `listed` holds a label with `text` in any field, whatever the case.
bool matches(const Listed& listed, const QString& text);

// The bound of a history: the oldest jobs go first past either.
struct Bound {
    int jobs = 1000;
    int years = 2;
};

class History {
public:
    using Clock = std::function<QDateTime()>;

    // The history kept in `folder`, made when the first job is kept.
    explicit History(QString folder, Bound bound = {}, Clock clock = &QDateTime::currentDateTime);

    // The user's own history of this program's jobs, in its data folder.
    static QString userFolder();

    // The jobs kept, newest first. A damaged job is set aside under another
    // name and said once, in notices().
    std::vector<Listed> list();
    // A job read whole, or none, after setting it aside, when it is damaged
    // or gone.
    std::optional<KeptJob> load(const QString& file);
    // The newest job, read whole; none when there is none.
    std::optional<KeptJob> newest(QString* file = nullptr);
    // Keeps `job` as the newest, dated now, and lets the oldest go past
    // the bound. The file it went to, or none when it could not be written.
    std::optional<QString> keep(KeptJob job);
    // Writes `job` again over its file, atomically.
    bool replace(const QString& file, const KeptJob& job);
    // True once the file is gone, by this call or before it.
    bool remove(const QString& file);
    // That a job could not be kept in `folder`, in the system's words.
    static QString notKept(const QString& folder);

    // What was set aside since last asked, in the system's words.
    QStringList takeNotices() { return std::exchange(m_notices, {}); }

private:
    // The job files, oldest first.
    QStringList files() const;
    void setAside(const QString& file);
    void dropPastBound(QStringList files);

    QString m_folder;
    Bound m_bound;
    Clock m_clock;
    QStringList m_notices;
    QSet<QString> m_damaged;  // said already, this run
};

}  // namespace jobhistory
