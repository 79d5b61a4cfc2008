#include "lomos/ui/frmtamano.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/ui/twips.h"

namespace lomos {

frmTamano::frmTamano() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmTamaño"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tamaño de la Fuente"));
    setFixedSize(twips::toPixels(this, 3750), twips::toPixels(this, 1365));

    auto* label2 = new QLabel(QStringLiteral("Seleccione el tamaño:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(uiFont(QStringLiteral("Arial Narrow"), 14.25, true));
    twips::place(label2, 120, 240, 2505, 345);

    m_cmbTamano = new QComboBox(this);
    m_cmbTamano->setObjectName(QStringLiteral("cmbTamaño"));
    m_cmbTamano->setEditable(true);
    m_cmbTamano->setInsertPolicy(QComboBox::NoInsert);
    m_cmbTamano->addItems({QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
                           QStringLiteral("10"), QStringLiteral("11")});
    m_cmbTamano->setCurrentText(QStringLiteral("8"));
    m_cmbTamano->setFont(uiFont(QStringLiteral("Arial Narrow"), 12, true));
    twips::place(m_cmbTamano, 2760, 240, 735, 420);

    auto* label1 = new QLabel(QStringLiteral("(Se recomienda 8)"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(uiFont(QStringLiteral("Arial Narrow"), 9.75, false));
    twips::place(label1, 120, 720, 1320, 240);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setFont(uiFont(QStringLiteral("Arial Narrow"), 12, true));
    ok->setDefault(true);
    twips::place(ok, 2640, 840, 975, 375);
    connect(ok, &QPushButton::clicked, this, &frmTamano::cmdOK);
    connect(m_cmbTamano->lineEdit(), &QLineEdit::returnPressed, this, &frmTamano::cmdOK);
}

void frmTamano::cmdOK() {
    const QString size = m_cmbTamano->currentText();
    if (size.isEmpty()) return;
    emit sizeChosen(size);
    close();
}

}  // namespace lomos
