#include "common/ui/boxes/qtdialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "common/ui/frame/overridecursor.h"

// Commands run under a wait cursor; a box asking the user shows the arrow.

void QtDialogs::message(QWidget* parent, const QString& title, const QString& text) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::question(QWidget* parent, const QString& title, const QString& text) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::questionBeside(QWidget* parent, const QString& title, const QString& text,
                               const QRect& keepClear) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.adjustSize();
    // To the right of what it keeps clear, or to its left when the screen
    // ends first.
    const QRect screen = parent ? parent->screen()->availableGeometry() : QRect();
    QPoint at(keepClear.right() + 12, keepClear.top() + 40);
    if (at.x() + box.width() > screen.right()) at.setX(keepClear.left() - box.width() - 12);
    box.move(at);
    return box.exec() == QMessageBox::Yes;
}

int QtDialogs::choose(QWidget* parent, const QString& title, const QString& text,
                      const QStringList& buttons) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> pressed;
    for (const QString& caption : buttons) {
        pressed.append(box.addButton(caption, pressed.size() + 1 == buttons.size()
                                                  ? QMessageBox::RejectRole
                                                  : QMessageBox::AcceptRole));
    }
    if (!pressed.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(pressed.first()));
        box.setEscapeButton(pressed.last());
    }
    box.exec();
    const qsizetype index = pressed.indexOf(box.clickedButton());
    return int(index < 0 ? buttons.size() - 1 : index);
}

QString QtDialogs::input(QWidget* parent, const QString& title, const QString& prompt,
                         const QString& initial) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &ok);
    return ok ? text : QString();
}

QString QtDialogs::pick(QWidget* parent, const QString& title, const QString& prompt,
                        const QStringList& items, const QString& current) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    bool ok = false;
    const QString item =
        QInputDialog::getItem(parent, title, prompt, items,
                              int(std::max<qsizetype>(0, items.indexOf(current))), false, &ok);
    return ok ? item : QString();
}

QString QtDialogs::saveFile(QWidget* parent, const QString& title, const QString& suggested,
                           const QString& filter) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QString QtDialogs::openFile(QWidget* parent, const QString& title, const QString& filter) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

bool QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<jobselection::Fields> QtDialogs::editLabel(QWidget* parent, const QString& title,
                                                         const QStringList& captions,
                                                         const jobselection::Fields& fields) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmEditar"));
    dialog.setWindowTitle(title);
    auto* form = new QFormLayout(&dialog);
    std::vector<QPlainTextEdit*> boxes;
    const QFontMetrics metrics(dialog.font());
    for (size_t f = 0; f < fields.size(); ++f) {
        auto* box = new QPlainTextEdit(fields[f].join(u'\n'), &dialog);
        box->setObjectName(QStringLiteral("txtCampo%1").arg(f + 1));
        box->setTabChangesFocus(true);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setMinimumWidth(metrics.horizontalAdvance(QString(42, u'M')) / 2);
        box->setFixedHeight(
            metrics.lineSpacing() * int(std::max<qsizetype>(2, fields[f].size() + 1)) + 12);
        form->addRow(captions.value(qsizetype(f)), box);
        boxes.push_back(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    jobselection::Fields edited;
    for (QPlainTextEdit* box : boxes) {
        const QString text = box->toPlainText();
        edited.push_back(text.isEmpty() ? QStringList() : text.split(u'\n'));
    }
    return edited;
}
