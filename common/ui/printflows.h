#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "common/core/labelcheck.h"
#include "common/core/sheetflow.h"

class Dialogs;
class QWidget;

// What "Imprimir", the test sheet and "Vista Previa" show the user around a
// walk, asked through the boxes of `dialogs`.

// Prints the walk on `surface` from the free places of `first`, under a wait
// cursor, then says "Recoja sus impresiones" or why not.
PrintOutcome printAndTell(Dialogs& dialogs, QWidget* parent, const LabelWalk& walk,
                          DrawingSurface& surface, const FirstSheet& first);

// The check before printing, asked through `dialogs`: "No hay ninguna
// etiqueta que imprimir", or the findings with "Imprimir de todos modos",
// "Revisar" (when `review` is given: it gets the findings) and "Cancelar".
// True to go ahead.
bool confirmLabels(Dialogs& dialogs, QWidget* parent, const labelcheck::Check& check,
                   DrawingSurface& surface,
                   const std::function<void(const std::vector<labelcheck::Finding>&)>& review = {});
