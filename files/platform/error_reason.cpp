// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/platform/error_reason.h"

#include <cerrno>
#include <cstring>

namespace coppia {

namespace {

// The error's symbolic name, which reads the same in every language ("EPROTO"); its number
// where the C library names none (MinGW's).
std::string SymbolicName(int error) {
#ifdef __GLIBC__
    if (const char* name = strerrorname_np(error))
        return name;
#endif
    return std::to_string(error);
}

}  // namespace

std::string ReasonOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "permesso negato";
        case ENOSPC:
            return "disco pieno";
#ifdef EDQUOT
        case EDQUOT:
            return "spazio disco esaurito per l'utente";
#endif
        case EFBIG:
            return "file troppo grande";
        case EROFS:
            return "file system in sola lettura";
        case ENOENT:
            return "cartella inesistente";
        case ENOTDIR:
            return "il percorso attraversa un file che non è una cartella";
        case EISDIR:
            return std::string(kAFolder);
        case EIO:
            return "errore di lettura o scrittura sul disco";
        case ENAMETOOLONG:
            return "nome troppo lungo";
        case ELOOP:
            return "troppi collegamenti simbolici nel percorso";
        case EMFILE:
        case ENFILE:
            return "troppi file aperti";
        case ENOMEM:
            return "memoria esaurita";
        case EBUSY:
        case ETXTBSY:
            return "file in uso";
        case EXDEV:
            return "il collegamento porta su un altro file system";
        case EMLINK:
            return "troppi collegamenti nella cartella";
        case ENXIO:
        case ENODEV:
            return "dispositivo inesistente";
        case EAGAIN:
            return "risorsa momentaneamente non disponibile";
#ifdef ESTALE
        case ESTALE:
            return "file remoto non più valido";
#endif
        case ENOTCONN:
        case EHOSTUNREACH:
        case ETIMEDOUT:
            return "file system remoto non raggiungibile";
        case EINVAL:
            return "operazione non ammessa su questo file system";
        default:
            break;
    }
    return "errore di sistema " + SymbolicName(error);
}

}  // namespace coppia
