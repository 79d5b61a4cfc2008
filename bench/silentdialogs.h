#pragma once

#include "common/ui/boxes/dialogs.h"

// Boxes nobody answers: none is expected on the way.
class SilentDialogs : public Dialogs {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    int choose(QWidget*, const QString&, const QString&, const QStringList& b) override {
        return int(b.size() - 1);
    }
    QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString pick(QWidget*, const QString&, const QString&, const QStringList&,
                 const QString&) override {
        return {};
    }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    std::optional<jobselection::Fields> editLabel(QWidget*, const QString&, const QStringList&,
                                                  const jobselection::Fields&) override {
        return std::nullopt;
    }
};
