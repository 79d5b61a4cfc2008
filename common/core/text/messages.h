#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <algorithm>
#include <limits>

#include "common/core/files/textfile.h"

// The fixed texts both programs show, in the language chosen at start.
namespace messages {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(messages)
};

inline QString title() { return Text::tr("Estimado Usuario:"); }
inline QString missingSettings() { return Text::tr("Falta especificar información"); }
inline QString noLabels() { return Text::tr("0 Etiquetas"); }
inline QString collectPrints() { return Text::tr("Recoja sus impresiones"); }
inline QString nothingToPrint() { return Text::tr("No hay ninguna etiqueta que imprimir."); }
inline QString noFreePlace() {
    return Text::tr(
        "No queda ninguna etiqueta libre en la primera hoja: desmarque alguna en el mapa de la "
        "hoja.");
}
inline QString printAnyway() { return Text::tr("Imprimir de todos modos"); }
inline QString previewAnyway() { return Text::tr("Ver de todos modos"); }
inline QString cancel() { return Text::tr("Cancelar"); }
inline QString review() { return Text::tr("Revisar"); }
inline QString discardReview() { return Text::tr("¿Descartar los cambios de la revisión?"); }

// "Se han generado 12 etiquetas"
inline QString generated(qint64 labelCount) {
    return Text::tr("Se han generado %n etiquetas", nullptr,
                    int(std::min<qint64>(labelCount, std::numeric_limits<int>::max())));
}

// The print file could not be read: which path was tried.
inline QString unreadablePrintFile(const QString& path) {
    return Text::tr("No se pudo leer el archivo de etiquetas:\n%1")
        .arg(QDir::toNativeSeparators(path));
}

// A file of drive C the user may not write, saved in the user's own folder.
inline QString savedForThisUser(const QString& what, const QString& driveCPath,
                                const QString& userCopy) {
    return Text::tr(
               "%1 se guardaron solo para este usuario, en:\n%2\n\nNo se puede escribir en %3. "
               "Mientras exista esa copia, es la que se usa.")
        .arg(what, QDir::toNativeSeparators(userCopy), QDir::toNativeSeparators(driveCPath));
}

// The settings could be saved nowhere: where the last try went, and why not.
inline QString settingsNotSaved(const textfile::WriteResult& last) {
    return Text::tr(
               "No se pudieron guardar el directorio cliente y la base administrativa "
               "en %1: %2.\n\nLas etiquetas se hacen con lo escrito, pero la próxima "
               "vez habrá que escribirlo de nuevo.")
        .arg(QDir::toNativeSeparators(last.savedTo), last.error);
}

inline QString printFailed(const QString& reason) {
    return Text::tr("No se pudo imprimir: %1").arg(reason);
}

}  // namespace messages
