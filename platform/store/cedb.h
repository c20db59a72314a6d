// The object store: CE databases and database volumes, with the device's
// names and values, kept in SQLite files (one per mounted volume, the
// volume's own path, and one for the object store itself, the hidden
// "\objstore.vol" in the device folder; each with its "-wal" and "-shm"
// companions while in use).
//
// Behaviour callers rely on (beyond the device's own documentation):
// - Every call is its own SQLite transaction: what one process commits is
//   seen by the next call of every other process.
// - Record ids are 32-bit, non-zero, stable and never reused in a volume.
//   A record written with a CEVT_AUTO_I4 property gets the volume's next
//   auto-number in every such property and the id 0x80000000 + that number;
//   every other record (and every database) gets an id below 0x80000000.
// - Writing to an existing record replaces the properties given (same
//   property id, type included), removes those flagged CEDB_PROPDELETE and
//   keeps all others; an auto-number once given is kept.
// - Sort orders: strings compare by UTF-16 code unit, after folding to upper
//   case when CEDB_SORT_CASEINSENSITIVE is set; I2/I4 signed, UI2/UI4
//   unsigned; CEDB_SORT_DESCENDING reverses one property. Records lacking a
//   sort property (the exact id, type included) come after all others in
//   either direction, before them with CEDB_SORT_UNKNOWNFIRST. Records equal
//   in every key keep insertion order. Opening without a sort order gives
//   insertion order.
// - Opening with a sort descriptor picks the declared sort order whose
//   leading property ids match the descriptor's (preferring one whose flags
//   match too); the declared flags are used. Key flags such as
//   CEDB_SORT_UNIQUE are kept but not enforced.
// - Positions: right after the open the first record is current (a read
//   reads it, CEDB_SEEK_CURRENT 1 gives the second). A failed seek leaves the position at
//   the end. After deleting the current record the position stays where it
//   was: a read or a CEDB_SEEK_CURRENT of 1 gives the record that followed,
//   -1 the one that preceded. An auto-increment read moves to the record
//   after the one read. CEDB_SEEK_END n is the n-th record before the last
//   (0 = the last). Value seeks search the whole sort order and compare the
//   given values with the leading properties of the key.
// - Reads allocate with LocalAlloc (or HeapAlloc on the given heap); callers
//   free with LocalFree. Blob and stream pointers point into the buffer. A
//   read right after a seek returns the record as that seek found it.
// - Notifications: extended notifications (CEDB_EXNOTIFICATION) arrive as
//   WM_DBNOTIFICATION with lParam pointing to a CENOTIFICATION from a fixed
//   pool of this process (1024; when all are out, notifications are
//   dropped). A record is given back when its message has been
//   retrieved and the thread retrieves its next message, when
//   CeFreeNotification is called, or when its window is gone; nobody needs
//   to free it (the request's hHeap is not used). The window must belong
//   to this process. Other requests get DB_CEOID_* messages with wParam the
//   record id and lParam the database id. Changes by any process after the
//   open arrive within about a quarter of a second while the thread that
//   opened pumps messages.
// - Flush and unmount succeed with handles still open; later calls on those
//   handles fail with ERROR_INVALID_HANDLE. Volume ids are per process.
// - Database handles are kernel objects; CloseHandle (redirected below)
//   ends the open.
#pragma once

#include <windows.h>
#include <string.h>

typedef DWORD CEOID;
typedef CEOID* PCEOID;
typedef DWORD CEPROPID;
typedef CEPROPID* PCEPROPID;

// A volume id. All zero is the object store; all ones searches everything.
typedef struct _CEGUID {
    DWORD Data1;
    DWORD Data2;
    DWORD Data3;
    DWORD Data4;
} CEGUID, *PCEGUID;

#define CREATE_SYSTEMGUID(pguid) (memset((pguid), 0, sizeof(CEGUID)))
#define CREATE_INVALIDGUID(pguid) (memset((pguid), -1, sizeof(CEGUID)))
#define CHECK_SYSTEMGUID(pguid) \
    (!((pguid)->Data1 | (pguid)->Data2 | (pguid)->Data3 | (pguid)->Data4))
#define CHECK_INVALIDGUID(pguid) \
    ((pguid)->Data1 == 0xFFFFFFFF && (pguid)->Data2 == 0xFFFFFFFF && \
     (pguid)->Data3 == 0xFFFFFFFF && (pguid)->Data4 == 0xFFFFFFFF)

// ---- property values -----------------------------------------------------

#define CEVT_I2 2
#define CEVT_I4 3
#define CEVT_R8 5
#define CEVT_BOOL 11
#define CEVT_UI2 18
#define CEVT_UI4 19
#define CEVT_LPWSTR 31
#define CEVT_FILETIME 64
#define CEVT_BLOB 65
#define CEVT_STREAM 100
#define CEVT_AUTO_I4 102

#define TypeFromPropID(propid) LOWORD(propid)
#define PropIdFromPropID(propid) HIWORD(propid)
#define MAKEPROPID(id, type) ((CEPROPID)(((DWORD)(id) << 16) | (WORD)(type)))

typedef struct _CEBLOB {
    DWORD dwCount;
    LPBYTE lpb;
} CEBLOB;

typedef union _CEVALUNION {
    short iVal;
    USHORT uiVal;
    long lVal;
    ULONG ulVal;
    FILETIME filetime;
    LPWSTR lpwstr;
    CEBLOB blob;
    BOOL boolVal;
    double dblVal;
} CEVALUNION;

// wFlags of a property value.
#define CEDB_PROPNOTFOUND 0x0100
#define CEDB_PROPDELETE 0x0200

typedef struct _CEPROPVAL {
    CEPROPID propid;
    WORD wLenData;
    WORD wFlags;
    CEVALUNION val;
} CEPROPVAL, *PCEPROPVAL;

// ---- sort orders and database information --------------------------------

#define CEDB_MAXDBASENAMELEN 32
#define CEDB_MAXSORTORDER 4
#define CEDB_MAXSORTPROP 16

#define CEDB_SORT_DESCENDING 0x00000001
#define CEDB_SORT_CASEINSENSITIVE 0x00000002
#define CEDB_SORT_UNKNOWNFIRST 0x00000004
#define CEDB_SORT_UNIQUE 0x00000200
#define CEDB_SORT_NONNULL 0x00000400

typedef struct _SORTORDERSPEC {
    CEPROPID propid;
    DWORD dwFlags;
} SORTORDERSPEC;

#define SORTORDERSPECEX_VERSION 2

typedef struct _SORTORDERSPECEX {
    WORD wVersion;
    WORD wNumProps;
    WORD wKeyFlags;
    WORD wReserved;
    CEPROPID rgPropID[CEDB_MAXSORTPROP];
    DWORD rgdwFlags[CEDB_MAXSORTPROP];
} SORTORDERSPECEX;

// dwFlags of the database information: which fields are valid.
#define CEDB_VALIDNAME 0x0001
#define CEDB_VALIDTYPE 0x0002
#define CEDB_VALIDSORTSPEC 0x0004
#define CEDB_VALIDMODTIME 0x0008
#define CEDB_VALIDDBFLAGS 0x0010
#define CEDB_VALIDCREATE (CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS)

// Database flags (high word of dwFlags), kept and reported.
#define CEDB_NOCOMPRESS 0x00010000

typedef struct _CEDBASEINFO {
    DWORD dwFlags;
    WCHAR szDbaseName[CEDB_MAXDBASENAMELEN];
    DWORD dwDbaseType;
    WORD wNumRecords;
    WORD wNumSortOrder;
    DWORD dwSize;
    FILETIME ftLastModified;
    SORTORDERSPEC rgSortSpecs[CEDB_MAXSORTORDER];
} CEDBASEINFO;

#define CEDBASEINFOEX_VERSION 2

typedef struct _CEDBASEINFOEX {
    WORD wVersion;
    WORD wNumSortOrder;
    DWORD dwFlags;
    WCHAR szDbaseName[CEDB_MAXDBASENAMELEN];
    DWORD dwDbaseType;
    DWORD dwNumRecords;
    DWORD dwSize;
    FILETIME ftLastModified;
    SORTORDERSPECEX rgSortSpecs[CEDB_MAXSORTORDER];
} CEDBASEINFOEX;

// ---- object information --------------------------------------------------

#define OBJTYPE_INVALID 0
#define OBJTYPE_FILE 1
#define OBJTYPE_DIRECTORY 2
#define OBJTYPE_DATABASE 3
#define OBJTYPE_RECORD 4

typedef struct _CEFILEINFO {
    DWORD dwAttributes;
    CEOID oidParent;
    WCHAR szFileName[MAX_PATH];
    FILETIME ftLastChanged;
    DWORD dwLength;
} CEFILEINFO;

typedef struct _CEDIRINFO {
    DWORD dwAttributes;
    CEOID oidParent;
    WCHAR szDirName[MAX_PATH];
} CEDIRINFO;

typedef struct _CERECORDINFO {
    CEOID oidParent;
} CERECORDINFO;

typedef struct _CEOIDINFO {
    WORD wObjType;
    WORD wPad;
    union {
        CEFILEINFO infFile;
        CEDIRINFO infDirectory;
        CEDBASEINFO infDatabase;
        CERECORDINFO infRecord;
    };
} CEOIDINFO;

#define CEOIDINFOEX_VERSION 1

typedef struct _CEOIDINFOEX {
    WORD wVersion;
    WORD wObjType;
    union {
        CEFILEINFO infFile;
        CEDIRINFO infDirectory;
        CEDBASEINFOEX infDatabase;
        CERECORDINFO infRecord;
    };
} CEOIDINFOEX;

// ---- notifications -------------------------------------------------------

#define WM_DBNOTIFICATION 0x03FD  // 1021, lParam: CENOTIFICATION*

#define DB_CEOID_CREATED (WM_USER + 0x1)         // 1025
#define DB_CEOID_RECORD_DELETED (WM_USER + 0x3)  // 1027
#define DB_CEOID_CHANGED (WM_USER + 0x6)         // 1030

#define CEDB_EXNOTIFICATION 0x00000001

typedef struct _CENOTIFYREQUEST {
    DWORD dwSize;  // sizeof(CENOTIFYREQUEST); the device's 20 is accepted too
    HWND hwnd;
    DWORD dwFlags;
    HANDLE hHeap;
    DWORD dwParam;
} CENOTIFYREQUEST, *PCENOTIFYREQUEST;

typedef struct _CENOTIFICATION {
    DWORD dwSize;
    DWORD dwParam;
    UINT uType;
    CEGUID guid;
    CEOID oid;
    CEOID oidParent;
} CENOTIFICATION, *PCENOTIFICATION;

// ---- flags of the calls --------------------------------------------------

// Open.
#define CEDB_AUTOINCREMENT 0x00000001

// Seek kinds.
#define CEDB_SEEK_CEOID 0x00000001
#define CEDB_SEEK_BEGINNING 0x00000002
#define CEDB_SEEK_END 0x00000004
#define CEDB_SEEK_CURRENT 0x00000008
#define CEDB_SEEK_VALUESMALLER 0x00000010
#define CEDB_SEEK_VALUEFIRSTEQUAL 0x00000020
#define CEDB_SEEK_VALUEGREATER 0x00000040
#define CEDB_SEEK_VALUENEXTEQUAL 0x00000080
#define CEDB_SEEK_VALUESMALLEROREQUAL 0x00000100
#define CEDB_SEEK_VALUEGREATEROREQUAL 0x00000200

// Read.
#define CEDB_ALLOWREALLOC 0x00000001

// ---- volumes and sessions ------------------------------------------------

// dwFlags: CREATE_NEW, CREATE_ALWAYS, OPEN_EXISTING, OPEN_ALWAYS or
// TRUNCATE_EXISTING; the high bit (0x80000000) is accepted and ignored.
// Mounting a mounted path again gives the same id and leaves its content
// alone; each mount needs its unmount.
CEAPI BOOL WINAPI CeMountDBVol(PCEGUID pguid, LPWSTR lpszVolume, DWORD dwFlags);
CEAPI BOOL WINAPI CeFlushDBVol(PCEGUID pguid);
CEAPI BOOL WINAPI CeUnmountDBVol(PCEGUID pguid);
// A session on a volume (a kernel handle; close it with CloseHandle).
CEAPI HANDLE WINAPI CeCreateSession(PCEGUID pguid);

// ---- databases -----------------------------------------------------------

CEAPI CEOID WINAPI CeCreateDatabaseEx2(PCEGUID pguid, CEDBASEINFOEX* pInfo);
CEAPI CEOID WINAPI CeCreateDatabaseEx(PCEGUID pguid, CEDBASEINFO* pInfo);
CEAPI CEOID WINAPI CeCreateDatabase(LPWSTR lpszName, DWORD dwDbaseType, WORD wNumSortOrder,
                                    SORTORDERSPEC* rgSortSpecs);

CEAPI BOOL WINAPI CeDeleteDatabaseEx(PCEGUID pguid, CEOID oid);
CEAPI BOOL WINAPI CeDeleteDatabase(CEOID oid);

CEAPI BOOL WINAPI CeOidGetInfoEx2(PCEGUID pguid, CEOID oid, CEOIDINFOEX* pInfo);
CEAPI BOOL WINAPI CeOidGetInfoEx(PCEGUID pguid, CEOID oid, CEOIDINFO* pInfo);
CEAPI BOOL WINAPI CeOidGetInfo(CEOID oid, CEOIDINFO* pInfo);

// Replaces what dwFlags marks valid (name, type, sort orders, flags); the
// keys of every record are rebuilt for new sort orders.
CEAPI BOOL WINAPI CeSetDatabaseInfoEx2(PCEGUID pguid, CEOID oid, CEDBASEINFOEX* pInfo);
CEAPI BOOL WINAPI CeSetDatabaseInfoEx(PCEGUID pguid, CEOID oid, CEDBASEINFO* pInfo);
CEAPI BOOL WINAPI CeSetDatabaseInfo(CEOID oid, CEDBASEINFO* pInfo);

// ---- opening -------------------------------------------------------------

// *poid 0 opens by name and receives the database id. pSort NULL: no sort
// order (insertion order). hSession may be NULL; with a session, pguid NULL
// means the session's volume. Failure: INVALID_HANDLE_VALUE with
// ERROR_FILE_NOT_FOUND (no such database) or ERROR_INVALID_PARAMETER (sort
// order not declared, bad arguments).
CEAPI HANDLE WINAPI CeOpenDatabaseInSession(HANDLE hSession, PCEGUID pguid, PCEOID poid,
                                            LPWSTR lpszName, SORTORDERSPECEX* pSort,
                                            DWORD dwFlags, CENOTIFYREQUEST* pRequest);
CEAPI HANDLE WINAPI CeOpenDatabaseEx2(PCEGUID pguid, PCEOID poid, LPWSTR lpszName,
                                      SORTORDERSPECEX* pSort, DWORD dwFlags,
                                      CENOTIFYREQUEST* pRequest);
// propid 0: no sort order; otherwise the declared sort order led by propid.
CEAPI HANDLE WINAPI CeOpenDatabaseEx(PCEGUID pguid, PCEOID poid, LPWSTR lpszName,
                                     CEPROPID propid, DWORD dwFlags, CENOTIFYREQUEST* pRequest);
// In the object store; hwndNotify gets DB_CEOID_* messages.
CEAPI HANDLE WINAPI CeOpenDatabase(PCEOID poid, LPWSTR lpszName, CEPROPID propid, DWORD dwFlags,
                                   HWND hwndNotify);

// ---- records -------------------------------------------------------------

// dwValue holds a count, a record id or (value seeks) a CEPROPVAL pointer,
// so it is pointer-sized. Returns the record id, 0 when none.
CEAPI CEOID WINAPI CeSeekDatabaseEx(HANDLE hDatabase, DWORD dwSeekType, DWORD_PTR dwValue,
                                    WORD wNumVals, LPDWORD lpdwIndex);
CEAPI CEOID WINAPI CeSeekDatabase(HANDLE hDatabase, DWORD dwSeekType, DWORD_PTR dwValue,
                                  LPDWORD lpdwIndex);

// rgPropID NULL reads every property. *lplpBuffer NULL: the store allocates;
// with CEDB_ALLOWREALLOC a buffer too small is grown. *lpcbBuffer is the
// buffer's size. Returns the record id, 0 on failure (ERROR_NO_MORE_ITEMS:
// no record at the position; ERROR_INSUFFICIENT_BUFFER).
CEAPI CEOID WINAPI CeReadRecordPropsEx(HANDLE hDatabase, DWORD dwFlags, LPWORD lpcPropID,
                                       CEPROPID* rgPropID, LPBYTE* lplpBuffer,
                                       LPDWORD lpcbBuffer, HANDLE hHeap);
CEAPI CEOID WINAPI CeReadRecordProps(HANDLE hDatabase, DWORD dwFlags, LPWORD lpcPropID,
                                     CEPROPID* rgPropID, LPBYTE* lplpBuffer,
                                     LPDWORD lpcbBuffer);

// oidRecord 0 creates a record. Returns its id, 0 on failure.
CEAPI CEOID WINAPI CeWriteRecordProps(HANDLE hDatabase, CEOID oidRecord, WORD cPropID,
                                      CEPROPVAL* rgPropVal);
CEAPI BOOL WINAPI CeDeleteRecord(HANDLE hDatabase, CEOID oidRecord);

CEAPI BOOL WINAPI CeFreeNotification(PCENOTIFYREQUEST pRequest, PCENOTIFICATION pNotification);

// ---- handles -------------------------------------------------------------

// Ends a database open or a session, or closes any other kernel handle.
CEAPI BOOL WINAPI CeCloseHandle(HANDLE handle);
#if !defined(CEPLAT_BUILD)
#define CloseHandle CeCloseHandle
#endif

// ---- batches -------------------------------------------------------------

// Until the matching CeStoreEndBatch, the store calls of this process on
// that volume share one write transaction: each call still changes all or
// nothing, but other processes see the changes (and are notified of them)
// only when the outermost batch ends, and the volume takes no other
// process's writes meanwhile. Batches nest. False when the transaction
// cannot begin (ERROR_SHARING_VIOLATION: another process writes).
CEAPI BOOL WINAPI CeStoreBeginBatch(PCEGUID pguid);
// Commits the batch when it is the outermost one; false (nothing of the
// batch kept) when that fails.
CEAPI BOOL WINAPI CeStoreEndBatch(PCEGUID pguid);

// ---- for tests -----------------------------------------------------------

// The next CeWriteRecordProps or CeDeleteRecord of this process on a
// database of that name fails with errorCode (ERROR_DISK_FULL when 0) and
// changes nothing. NULL clears.
CEAPI void WINAPI CeStoreFailNextChange(LPCWSTR databaseName, DWORD errorCode);
// The same for the change to that database after the next changesBefore.
CEAPI void WINAPI CeStoreFailLaterChange(LPCWSTR databaseName, DWORD changesBefore, DWORD errorCode);
// The next record write or delete of this process fails with errorCode
// (ERROR_DISK_FULL when 0) after its statements, so that its transaction
// is rolled back.
CEAPI void WINAPI CeStoreFailInsideNextChange(DWORD errorCode);
// The next record write or delete of this process ends the process with
// exitCode inside its transaction, after its statements and before commit.
CEAPI void WINAPI CeStoreExitInsideNextChange(UINT exitCode);
// The same for the record write or delete after the next changesBefore.
CEAPI void WINAPI CeStoreExitInsideLaterChange(DWORD changesBefore, UINT exitCode);
// Notification records of this process not yet given back.
CEAPI DWORD WINAPI CeStoreOutstandingNotifications();
