#pragma once

#include <QDir>
#include <QString>

#include "common/core/files/textfile.h"

// The fixed texts both programs show.
namespace messages {

inline const QString kTitle = QStringLiteral("Estimado Usuario:");
inline const QString kMissingSettings = QStringLiteral("Falta especificar información");
inline const QString kNoLabels = QStringLiteral("0 Etiquetas");
inline const QString kCollectPrints = QStringLiteral("Recoja sus impresiones");
inline const QString kNothingToPrint = QStringLiteral("No hay ninguna etiqueta que imprimir.");
inline const QString kNoFreePlace = QStringLiteral(
    "No queda ninguna etiqueta libre en la primera hoja: desmarque alguna en el mapa de la hoja.");
inline const QString kPrintAnyway = QStringLiteral("Imprimir de todos modos");
inline const QString kCancel = QStringLiteral("Cancelar");
inline const QString kReview = QStringLiteral("Revisar");
inline const QString kDiscardReview = QStringLiteral("¿Descartar los cambios de la revisión?");

// "Se han generado 12 etiquetas"
inline QString generated(qint64 labelCount) {
    return QStringLiteral("Se han generado ") + QString::number(labelCount) +
           QStringLiteral(" etiquetas");
}

// The print file could not be read: which path was tried.
inline QString unreadablePrintFile(const QString& path) {
    return QStringLiteral("No se pudo leer el archivo de etiquetas:\n") +
           QDir::toNativeSeparators(path);
}

// A file of drive C the user may not write, saved in the user's own folder.
inline QString savedForThisUser(const QString& what, const QString& driveCPath,
                                const QString& userCopy) {
    return what + QStringLiteral(" se guardaron solo para este usuario, en:\n") +
           QDir::toNativeSeparators(userCopy) + QStringLiteral("\n\nNo se puede escribir en ") +
           QDir::toNativeSeparators(driveCPath) +
           QStringLiteral(". Mientras exista esa copia, es la que se usa.");
}

// The settings could be saved nowhere: where the last try went, and why not.
inline QString settingsNotSaved(const textfile::WriteResult& last) {
    return QStringLiteral(
               "No se pudieron guardar el directorio cliente y la base administrativa "
               "en %1: %2.\n\nLas etiquetas se hacen con lo escrito, pero la próxima "
               "vez habrá que escribirlo de nuevo.")
        .arg(QDir::toNativeSeparators(last.savedTo), last.error);
}

inline QString printFailed(const QString& reason) {
    return QStringLiteral("No se pudo imprimir: ") + reason;
}

}  // namespace messages
