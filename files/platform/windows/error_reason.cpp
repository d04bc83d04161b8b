// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "files/platform/error_reason.h"

namespace coppia {

namespace {

// Codes of winerror.h that MinGW's copy lacks.
constexpr DWORD kDiskQuotaExceeded = 1295;  // ERROR_DISK_QUOTA_EXCEEDED
constexpr DWORD kVirusInfected = 225;       // ERROR_VIRUS_INFECTED
constexpr DWORD kVirusDeleted = 226;        // ERROR_VIRUS_DELETED

struct ErrorWords {
    DWORD code;
    std::string_view words;
};

// Every code a call on a file can give, in the words ReasonOf gives the same fault on POSIX
// where there is one. The system's own messages would speak the system's language.
constexpr ErrorWords kErrorWords[] = {
    {ERROR_INVALID_FUNCTION, "operazione non ammessa su questo file system"},
    {ERROR_FILE_NOT_FOUND, "file inesistente"},
    {ERROR_PATH_NOT_FOUND, "cartella inesistente"},
    {ERROR_TOO_MANY_OPEN_FILES, "troppi file aperti"},
    {ERROR_ACCESS_DENIED, "permesso negato"},
    {ERROR_INVALID_HANDLE, "operazione non ammessa su questo file system"},
    {ERROR_NOT_ENOUGH_MEMORY, "memoria esaurita"},
    {ERROR_OUTOFMEMORY, "memoria esaurita"},
    {ERROR_INVALID_DRIVE, "unità inesistente"},
    {ERROR_WRITE_PROTECT, "disco protetto dalla scrittura"},
    {ERROR_NOT_READY, "unità non pronta"},
    {ERROR_CRC, "errore di lettura o scrittura sul disco"},
    {ERROR_SEEK, "errore di lettura o scrittura sul disco"},
    {ERROR_WRITE_FAULT, "errore di lettura o scrittura sul disco"},
    {ERROR_READ_FAULT, "errore di lettura o scrittura sul disco"},
    {ERROR_GEN_FAILURE, "errore di lettura o scrittura sul disco"},
    {ERROR_IO_DEVICE, "errore di lettura o scrittura sul disco"},
    {ERROR_SHARING_VIOLATION, kOpenElsewhere},
    {ERROR_LOCK_VIOLATION, kOpenElsewhere},
    {ERROR_USER_MAPPED_FILE, kOpenElsewhere},
    {ERROR_HANDLE_DISK_FULL, "disco pieno"},
    {ERROR_DISK_FULL, "disco pieno"},
    {kDiskQuotaExceeded, "spazio disco esaurito per l'utente"},
    {ERROR_FILE_TOO_LARGE, "file troppo grande"},
    {ERROR_NOT_SUPPORTED, "operazione non ammessa su questo file system"},
    {ERROR_INVALID_PARAMETER, "operazione non ammessa su questo file system"},
    {ERROR_REM_NOT_LIST, "file system remoto non raggiungibile"},
    {ERROR_BAD_NETPATH, "file system remoto non raggiungibile"},
    {ERROR_NETWORK_BUSY, "file system remoto non raggiungibile"},
    {ERROR_UNEXP_NET_ERR, "file system remoto non raggiungibile"},
    {ERROR_NETNAME_DELETED, "file system remoto non raggiungibile"},
    {ERROR_BAD_NET_NAME, "file system remoto non raggiungibile"},
    {ERROR_NETWORK_UNREACHABLE, "file system remoto non raggiungibile"},
    {ERROR_SEM_TIMEOUT, "file system remoto non raggiungibile"},
    {ERROR_NETWORK_ACCESS_DENIED, "permesso negato"},
    {ERROR_FILE_EXISTS, "esiste già un file con questo nome"},
    {ERROR_ALREADY_EXISTS, "esiste già un file con questo nome"},
    {ERROR_CANNOT_MAKE, "impossibile creare un file nella cartella"},
    {ERROR_INVALID_NAME, "nome non valido"},
    {ERROR_BAD_PATHNAME, "percorso non valido"},
    {ERROR_FILENAME_EXCED_RANGE, "nome troppo lungo"},
    {ERROR_BUFFER_OVERFLOW, "nome troppo lungo"},
    {ERROR_DIRECTORY, "il percorso attraversa un file che non è una cartella"},
    {ERROR_DIR_NOT_EMPTY, "cartella non vuota"},
    {ERROR_CANT_ACCESS_FILE, "file non accessibile"},
    {ERROR_CANT_RESOLVE_FILENAME, "troppi collegamenti simbolici nel percorso"},
    {ERROR_NOT_SAME_DEVICE, "il collegamento porta su un altro file system"},
    {ERROR_UNABLE_TO_REMOVE_REPLACED, "il file da sostituire non può essere tolto"},
    {ERROR_UNABLE_TO_MOVE_REPLACEMENT, "il nuovo file non può prendere il posto del vecchio"},
    {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, "il nuovo file non può prendere il posto del vecchio"},
    {ERROR_FILE_CORRUPT, "file system danneggiato"},
    {ERROR_DISK_CORRUPT, "file system danneggiato"},
    {ERROR_UNRECOGNIZED_VOLUME, "file system non riconosciuto"},
    {kVirusInfected, "file bloccato dall'antivirus"},
    {kVirusDeleted, "file bloccato dall'antivirus"},
    {ERROR_DELETE_PENDING, "il file sta per essere cancellato"},
    {ERROR_ENCRYPTION_FAILED, "file cifrato non accessibile"},
};

}  // namespace

std::string ReasonOfWindowsError(unsigned long error) {
    for (const ErrorWords& row : kErrorWords) {
        if (row.code == error)
            return std::string(row.words);
    }
    return "errore di sistema " + std::to_string(error);
}

}  // namespace coppia
