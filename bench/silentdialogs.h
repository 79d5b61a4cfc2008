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
    QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; 