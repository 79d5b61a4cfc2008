#include "common/ui/design/designwindow.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "common/core/text/messages.h"
#include "common/paint/pagerecording.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/printing/printflows.h"

namespace {

// The pictures' room on screen, in pixels.
constexpr double kLabelWidthPx = 420, kLabelHeightPx = 190, kSheetHeightPx = 300;
const QColor kOutline(0x9C, 0xC3, 0xE6);  // as the preview draws a stock's labels

QString fileFilter() { return DesignWindow::tr("Diseños de etiqueta (*.ini);;Todos los archivos (*)"); }

// The program's sample label on every place of the sheet, as the preview
// draws it.
std::unique_ptr<PageRecording> sampleSheet(const LabelProgram& program,
                                           const JobSettings& settings) {
    QByteArray item = program.sampleItem;
    QBuffer buffer(&item);
    buffer.open(QIODevice::ReadOnly);
    const std::unique_ptr<GeneratedLabels> labels = program.generateFrom(buffer, settings.design);
    const int places = program.gridOf(settings).places();
    const std::unique_ptr<LabelJob> job =
        labels->job(jobselection::everyLabel(1, places), settings);
    std::unique_ptr<PageRecording> pages = previewPagesOf(settings.stock);
    previewPages(job->previewWalk(), *pages, FirstSheet(places));
    return pages;
}

QImage paintedPage(const PageRecording& pages, double dotsPerCm) {
    QImage image(QSize(int(std::lround(pages.widthCm() * dotsPerCm)),
                       int(std::lround(pages.heightCm() * dotsPerCm))),
                 QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dotsPerCm * 100));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return pages.paint(0, std::move(image));
}

QRect onImage(const QRectF& cm, double dotsPerCm) {
    return QRectF(cm.topLeft() * dotsPerCm, cm.size() * dotsPerCm).toAlignedRect();
}

// The lines of each section of a design file's text: "key" to "value".
std::map<QString, std::map<QString, QString>> sectionsOf(const QByteArray& text) {
    std::map<QString, std::map<QString, QString>> sections;
    QString section;
    for (const QString& line : QString::fromUtf8(text).split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u'[')) {
            section = line.mid(1, line.size() - 2);
        } else if (const qsizetype equals = line.indexOf(u'='); equals > 0) {
            sections[section][line.left(equals).trimmed()] = line.mid(equals + 1).trimmed();
        }
    }
    return sections;
}

}  // namespace

DesignWindow::DesignWindow(Dialogs& dialogs, LabelProgram program, JobSettings settings,
                           const design::Design& current, const QString& file)
    : QWidget(nullptr, Qt::Window),
      m_dialogs(dialogs),
      m_program(std::move(program)),
      m_settings(std::move(settings)),
      m_file(file),
      m_fileDesign(current) {
    setObjectName(QStringLiteral("frmDiseno"));
    setWindowTitle(tr("Diseño de la etiqueta"));

    auto* rows = new QWidget;
    auto* form = new QFormLayout(rows);
    for (const design::FormKey& key : m_program.designForm.keys) {
        QWidget* control = rowFor(key);
        control->setObjectName(QStringLiteral("txt_") + key.key);
        if (key.kind == design::FormKey::Kind::YesNo) {
            form->addRow(QString(), control);
        } else {
            auto* caption = new QLabel(key.caption);
            caption->setBuddy(control);
            // The field inside a face's box is what a screen reader lands on.
            if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
                box->lineEdit()->setAccessibleName(QString(key.caption).remove(u'&'));
            form->addRow(caption, control);
        }
    }
    if (m_program.designForm.codes) {
        m_codes = new QPlainTextEdit;
        m_codes->setObjectName(QStringLiteral("txtSiglas"));
        m_codes->setPlaceholderText(tr("Biblioteca Central = BC\nHemeroteca = HEM"));
        m_codes->setTabChangesFocus(true);
        m_codes->setFixedHeight(90);
        auto* caption = new QLabel(tr("&Siglas de las líneas encima y debajo:"));
        caption->setBuddy(m_codes);
        form->addRow(caption, m_codes);
        connect(m_codes, &QPlainTextEdit::textChanged, this, &DesignWindow::changed);
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(rows->sizeHint().width() + 24);

    m_label = new QLabel;
    m_label->setObjectName(QStringLiteral("picEtiqueta"));
    m_label->setAccessibleName(tr("Una etiqueta con este diseño, en sus proporciones"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumSize(int(kLabelWidthPx) + 8, int(kLabelHeightPx) + 8);
    m_sheet = new QLabel;
    m_sheet->setObjectName(QStringLiteral("picHojaDiseno"));
    m_sheet->setAccessibleName(tr("La hoja de etiquetas con este diseño"));
    m_sheet->setAlignment(Qt::AlignCenter);
    m_problem = new QLabel;
    m_problem->setObjectName(QStringLiteral("lblProblema"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #B00000"));
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(m_label);
    pictures->addWidget(m_sheet, 1);
    pictures->addWidget(m_problem);

    auto button = [this](const QString& caption, const char* name,
                         const std::function<void()>& command) {
        auto* b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, command);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(tr("A&brir…"), "cmdAbrir", [this] { open(); }));
    m_saveAs = button(tr("&Guardar como…"), "cmdGuardarComo", [this] { saveAs(); });
    buttons->addWidget(m_saveAs);
    buttons->addWidget(button(tr("Sin dise&ño"), "cmdSinDiseno", [this] {
        emit chosen(design::Design(), QString());
        close();
    }));
    buttons->addStretch();
    m_use = button(tr("&Usar"), "cmdUsar", [this] { use(); });
    m_use->setDefault(true);
    buttons->addWidget(m_use);
    buttons->addWidget(button(tr("Cerrar"), "cmdCerrar", [this] { close(); }));

    auto* top = new QHBoxLayout;
    top->addWidget(scroll);
    top->addLayout(pictures, 1);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top, 1);
    whole->addLayout(buttons);
    show(current);
}

QWidget* DesignWindow::rowFor(const design::FormKey& key) {
    using Kind = design::FormKey::Kind;
    if (key.kind == Kind::YesNo) {
        auto* box = new QCheckBox(key.caption);
        const bool byDefault = key.yesByDefault;
        m_rows.push_back({key.key,
                          [box, byDefault] {
                              if (box->isChecked() == byDefault) return QString();
                              return box->isChecked() ? QStringLiteral("si") : QStringLiteral("no");
                          },
                          [box, byDefault](const QString& v) {
                              box->setChecked(v.isEmpty() ? byDefault : v != u"no");
                          }});
        connect(box, &QCheckBox::toggled, this, &DesignWindow::changed);
        return box;
    }
    if (key.kind == Kind::Choice) {
        auto* box = new QComboBox;
        for (const design::FormKey::Choice& choice : key.choices) box->addItem(choice.caption, choice.value);
        m_rows.push_back({key.key, [box] { return box->currentData().toString(); },
                          [box](const QString& v) {
                              box->setCurrentIndex(std::max(0, box->findData(v.toLower())));
                          }});
        connect(box, &QComboBox::currentIndexChanged, this, &DesignWindow::changed);
        return box;
    }
    QLineEdit* edit = nullptr;
    QWidget* control = nullptr;
    if (key.kind == Kind::Face) {
        // Any face typed, or one of those installed; empty: the program's own.
        auto* box = new QComboBox;
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItem(QString());
        box->addItems(QFontDatabase::families());
        box->lineEdit()->setPlaceholderText(tr("la de siempre"));
        edit = box->lineEdit();
        control = box;
    } else {
        edit = new QLineEdit;
        edit->setPlaceholderText(key.hint);
        control = edit;
    }
    m_rows.push_back({key.key, [edit] { return edit->text().trimmed(); },
                      [edit](const QString& v) { edit->setText(v); }});
    connect(edit, &QLineEdit::textChanged, this, &DesignWindow::changed);
    return control;
}

QByteArray DesignWindow::fileText() const {
    QStringList lines{QStringLiteral("[%1]").arg(m_program.designForm.section)};
    for (const Row& row : m_rows) {
        if (const QString value = row.value(); !value.isEmpty())
            lines << QStringLiteral("%1 = %2").arg(row.key, value);
    }
    if (m_codes) lines << QStringLiteral("[siglas]") << m_codes->toPlainText();
    return lines.join(QStringLiteral("\r\n")).toUtf8();
}

void DesignWindow::show(const design::Design& shown) {
    const auto sections = sectionsOf(design::toText(shown));
    const auto own = sections.find(m_program.designForm.section);
    m_showing = true;
    for (const Row& row : m_rows) {
        const bool given = own != sections.end() && own->second.count(row.key);
        row.show(given ? own->second.at(row.key) : QString());
    }
    if (m_codes) {
        QStringList codes;
        for (const auto& [value, code] : shown.codes) codes << QStringLiteral("%1 = %2").arg(value, code);
        m_codes->setPlainText(codes.join(u'\n'));
    }
    m_showing = false;
    changed();
}

void DesignWindow::changed() {
    if (m_showing) return;
    const design::Read read = design::readText(fileText());
    m_draft = read.design;
    m_problem->setText(read.design ? QString() : problemOf(read));
    m_use->setEnabled(bool(m_draft));
    m_saveAs->setEnabled(bool(m_draft));
    if (m_draft) drawPictures();
}

// What the file would refuse, in the words of the row that holds it; only
// the short codes hold what is no key's.
QString DesignWindow::problemOf(const design::Read& read) const {
    for (const design::FormKey& key : m_program.designForm.keys) {
        if (key.key != read.key) continue;
        QString caption = key.caption;
        caption.remove(u'&');
        if (caption.endsWith(u':')) caption.chop(1);
        return tr("%1: %2").arg(caption, read.why);
    }
    return tr("Siglas: %1").arg(read.why);
}

void DesignWindow::drawPictures() {
    JobSettings settings = m_settings;
    settings.design = *m_draft;
    if (m_draft->spine.face.points) settings.fontSize = QString::number(*m_draft->spine.face.points);
    const std::unique_ptr<PageRecording> pages = sampleSheet(m_program, settings);

    const QRectF label = m_program.firstLabelCm(settings);
    const double labelScale =
        std::min(kLabelWidthPx / label.width(), kLabelHeightPx / label.height());
    const QRect onPage = onImage(label, labelScale);
    m_labelImage = paintedPage(*pages, labelScale).copy(onPage.adjusted(-2, -2, 2, 2));
    {
        QPainter painter(&m_labelImage);
        painter.setPen(QPen(kOutline, 1, Qt::DashLine));
        painter.drawRect(QRect(2, 2, onPage.width() - 1, onPage.height() - 1));
    }
    m_label->setPixmap(QPixmap::fromImage(m_labelImage));

    const double sheetScale = kSheetHeightPx / pages->heightCm();
    m_sheetImage = paintedPage(*pages, sheetScale);
    {
        QPainter painter(&m_sheetImage);
        painter.setPen(QPen(kOutline, 1, Qt::DashLine));
        for (const QRectF& outline : labelOutlinesCm(settings.stock))
            painter.drawRect(onImage(outline, sheetScale));
    }
    m_sheet->setPixmap(QPixmap::fromImage(m_sheetImage));
}

void DesignWindow::open() {
    const QString path = m_dialogs.openFile(this, tr("Abrir un diseño de etiqueta"), fileFilter());
    if (path.isEmpty()) return;
    const design::Read read = design::readFile(path);
    if (!read.design) {
        m_dialogs.message(this, messages::title(),
                          tr("El diseño «%1» no se puede usar: %2.").arg(path, read.problem));
        return;
    }
    m_file = path;
    m_fileDesign = *read.design;
    show(*read.design);
}

void DesignWindow::saveAs() {
    if (!m_draft) return;
    const QString suggested = m_file.isEmpty() ? tr("diseño.ini") : m_file;
    const QString path =
        m_dialogs.saveFile(this, tr("Guardar el diseño de etiqueta"), suggested, fileFilter());
    if (path.isEmpty()) return;
    if (const QString why = design::writeFile(path, *m_draft); !why.isEmpty()) {
        m_dialogs.message(this, messages::title(),
                          tr("No se pudo guardar el diseño en «%1»: %2").arg(path, why));
        return;
    }
    m_file = path;
    m_fileDesign = *m_draft;
}

void DesignWindow::use() {
    if (!m_draft) return;
    // A design changed since it was read or saved is kept in the user's own
    // file: the one a library handed out stays as it was.
    QString file = m_file;
    if (file.isEmpty() || *m_draft != m_fileDesign) {
        file = design::ownFile(m_program.name);
        if (const QString why = design::writeFile(file, *m_draft); !why.isEmpty()) {
            m_dialogs.message(this, messages::title(),
                              tr("No se pudo guardar el diseño en «%1»: %2").arg(file, why));
            return;
        }
    }
    emit chosen(*m_draft, file);
    close();
}
