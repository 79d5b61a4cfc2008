#include "lomos/ui/fontsizewindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/ui/frame/twips.h"
#include "common/core/program/labeljob.h"

namespace lomos {

FontSizeWindow::FontSizeWindow(const QString& current) : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmTamaño"));
    setWindowTitle(tr("Tamaño de la Fuente"));
    setFixedSize(twips::toPixels(this, 3750), twips::toPixels(this, 1365));

    auto* label2 = new QLabel(tr("&Seleccione el tamaño:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(uiFont(QStringLiteral("Arial Narrow"), 14.25, true));
    twips::place(label2, 120, 240, 2505, 345);

    m_sizes = new QComboBox(this);
    m_sizes->setObjectName(QStringLiteral("cmbTamaño"));
    m_sizes->setEditable(true);
    m_sizes->setInsertPolicy(QComboBox::NoInsert);
    m_sizes->addItems({QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
                       QStringLiteral("10"), QStringLiteral("11")});
    m_sizes->setCurrentText(current);
    m_sizes->setFont(uiFont(QStringLiteral("Arial Narrow"), 12, true));
    twips::place(m_sizes, 2760, 240, 735, 420);

    auto* label1 = new QLabel(tr("(Se recomienda 8)"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(uiFont(QStringLiteral("Arial Narrow"), 9.75, false));
    twips::place(label1, 120, 720, 1320, 240);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setFont(uiFont(QStringLiteral("Arial Narrow"), 12, true));
    ok->setDefault(true);
    twips::place(ok, 2640, 840, 975, 375);
    connect(ok, &QPushButton::clicked, this, &FontSizeWindow::choose);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblNota"));
    m_note->setFont(uiFont(QStringLiteral("Arial Narrow"), 9, true));
    m_note->setWordWrap(true);
    twips::place(m_note, 120, 990, 2460, 375);
    m_note->hide();
    label2->setBuddy(m_sizes);
    // The field inside the box is what a screen reader lands on.
    m_sizes->lineEdit()->setAccessibleName(label2->text().remove(u'&'));
    connect(m_sizes->lineEdit(), &QLineEdit::returnPressed, this, &FontSizeWindow::choose);
}

void FontSizeWindow::choose() {
    const QString size = m_sizes->currentText();
    if (!isFontSize(size)) {
        m_note->setText(tr("Escriba un número de puntos del %1 al %2.")
                            .arg(kMinFontPoints)
                            .arg(kMaxFontPoints));
        m_note->show();
        m_sizes->setAccessibleDescription(m_note->text());
        m_sizes->setFocus();
        return;
    }
    emit sizeChosen(size);
    close();
}

}  // namespace lomos
