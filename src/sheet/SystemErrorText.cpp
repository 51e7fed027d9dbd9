// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/SystemErrorText.h"

#include "sheet/Catalogue.h"

#include <cerrno>

namespace zifferon {

std::string systemErrorText(int errnoValue) {
    switch (errnoValue) {
    case EPERM:
        return sayUtf8(Msg::SystemNotPermitted);
    case ENOENT:
        return sayUtf8(Msg::SystemNoSuchFile);
    case EIO:
        return sayUtf8(Msg::SystemInputOutput);
    case ENXIO:
        return sayUtf8(Msg::SystemNoDevice);
    case EBADF:
    case EINVAL:
        return sayUtf8(Msg::SystemBadAccess);
    case ENOMEM:
        return sayUtf8(Msg::SystemNoMemory);
    case EACCES:
        return sayUtf8(Msg::SystemAccessDenied);
    case EBUSY:
    case ETXTBSY:
        return sayUtf8(Msg::SystemBusy);
    case EEXIST:
        return sayUtf8(Msg::SystemExists);
    case EXDEV:
        return sayUtf8(Msg::SystemOtherDrive);
    case ENODEV:
        return sayUtf8(Msg::SystemNoDevice);
    case ENOTDIR:
        return sayUtf8(Msg::SystemNotADirectory);
    case EISDIR:
        return sayUtf8(Msg::SystemIsADirectory);
    case ENFILE:
    case EMFILE:
        return sayUtf8(Msg::SystemTooManyOpen);
    case EFBIG:
        return sayUtf8(Msg::SystemTooBig);
    case ENOSPC:
        return sayUtf8(Msg::SystemNoSpace);
    case ESPIPE:
        return sayUtf8(Msg::SystemNotRegular);
    case EROFS:
        return sayUtf8(Msg::SystemReadOnly);
    case EMLINK:
        return sayUtf8(Msg::SystemTooManyLinks);
    case ENAMETOOLONG:
        return sayUtf8(Msg::SystemNameTooLong);
    case ENOTEMPTY:
        return sayUtf8(Msg::SystemNotEmpty);
    case ELOOP:
        return sayUtf8(Msg::SystemLoop);
    case EDQUOT:
        return sayUtf8(Msg::SystemQuota);
    case ESTALE:
        return sayUtf8(Msg::SystemStale);
    case ETIMEDOUT:
        return sayUtf8(Msg::SystemTimedOut);
    case EAGAIN:
        return sayUtf8(Msg::SystemAgain);
    case EINTR:
        return sayUtf8(Msg::SystemInterrupted);
    case EOVERFLOW:
        return sayUtf8(Msg::SystemOverflow);
    case ENOTSUP:
        return sayUtf8(Msg::SystemNotSupported);
    default:
        return sayUtf8(Msg::SystemOther, {std::to_string(errnoValue)});
    }
}

std::string systemErrorText(const std::error_code& error) {
    if (error.category() == std::system_category() || error.category() == std::generic_category()) {
        return systemErrorText(error.value());
    }
    return error.message();
}

} // namespace zifferon
