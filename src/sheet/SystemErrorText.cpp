// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/SystemErrorText.h"

#include <cerrno>

namespace zifferon {

std::string systemErrorText(int errnoValue) {
    switch (errnoValue) {
    case EPERM:
        return "Vorgang nicht erlaubt";
    case ENOENT:
        return "Datei oder Ordner nicht vorhanden";
    case EIO:
        return "Ein- oder Ausgabefehler";
    case ENXIO:
        return "Ger\u00E4t nicht vorhanden";
    case EBADF:
    case EINVAL:
        return "Ung\u00FCltiger Zugriff";
    case ENOMEM:
        return "Nicht genug Arbeitsspeicher";
    case EACCES:
        return "Zugriff verweigert";
    case EBUSY:
    case ETXTBSY:
        return "Die Datei wird gerade benutzt";
    case EEXIST:
        return "Die Datei existiert bereits";
    case EXDEV:
        return "Liegt auf einem anderen Datentr\u00E4ger";
    case ENODEV:
        return "Ger\u00E4t nicht vorhanden";
    case ENOTDIR:
        return "Ein Teil des Pfads ist kein Ordner";
    case EISDIR:
        return "Das ist ein Ordner";
    case ENFILE:
    case EMFILE:
        return "Zu viele offene Dateien";
    case EFBIG:
        return "Die Datei ist zu gro\u00DF";
    case ENOSPC:
        return "Kein Platz mehr auf dem Datentr\u00E4ger";
    case ESPIPE:
        return "Keine gew\u00F6hnliche Datei";
    case EROFS:
        return "Der Datentr\u00E4ger ist schreibgesch\u00FCtzt";
    case EMLINK:
        return "Zu viele Verkn\u00FCpfungen";
    case ENAMETOOLONG:
        return "Der Name ist zu lang";
    case ENOTEMPTY:
        return "Der Ordner ist nicht leer";
    case ELOOP:
        return "Zu viele Verkn\u00FCpfungen hintereinander (Schleife)";
    case EDQUOT:
        return "Das Speicherkontingent ist ersch\u00F6pft";
    case ESTALE:
        return "Die Netzwerkverbindung zur Datei ist veraltet";
    case ETIMEDOUT:
        return "Zeit\u00FCberschreitung";
    case EAGAIN:
        return "Vor\u00FCbergehend nicht verf\u00FCgbar";
    case EINTR:
        return "Unterbrochen";
    case EOVERFLOW:
        return "Der Wert ist zu gro\u00DF";
    case ENOTSUP:
        return "Wird hier nicht unterst\u00FCtzt";
    default:
        return "Systemfehler " + std::to_string(errnoValue);
    }
}

std::string systemErrorText(const std::error_code& error) {
    if (error.category() == std::system_category() || error.category() == std::generic_category()) {
        return systemErrorText(error.value());
    }
    return error.message();
}

} // namespace zifferon
