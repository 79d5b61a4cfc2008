#pragma once

#include "common/ui/boxes/dialogs.h"

// The real boxes: QMessageBox, QInputDialog, QPrintDialog.
class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    bool questionBeside(QWidget* parent, const QString& title, const QString& text,
                        const QRect& keepClear) override;
    int choose(QWidget* parent, const QString& title, const QString& text,
               const QStringList& buttons) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt,
                  const QString& initial) override;
    QString pick(QWidget* parent, const QString& title, const QString& prompt,
                 const QStringList& items, const QString& current) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& suggested,
                     const QString& filter) override;
    QString openFile(QWidget* parent, const QString& title, const QString& filter) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    std::optional<jobselection::Fields> editLabel(QWidget* parent, const QString& title,
                                                  const QStringList& captions,
                                                  const jobselection::Fields& fields) override;
};
