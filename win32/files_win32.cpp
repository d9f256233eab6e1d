// The data folder on Windows: "venko\" under the user's documents folder,
// shared by the whole family; "venko\" beside the program when the documents
// folder cannot be found, its path is too long, or the folder cannot be made
// there.
#include "hallcore/sys/sys_files.h"
#include "win32/win32_app.h"

static wchar_t dataFolder[MAX_PATH]; // with its trailing backslash
static bool dataFolderKnown;

typedef HRESULT(WINAPI* GetFolderPathW)(HWND, int, HANDLE, DWORD, LPWSTR);

// The documents folder through shfolder.dll, loaded only for this call.
static bool documentsFolder(wchar_t* path)
{
    HMODULE library = LoadLibraryW(L"shfolder.dll");
    if (!library)
        return false;
    GetFolderPathW get = (GetFolderPathW)(void*)GetProcAddress(library, "SHGetFolderPathW");
    bool ok = get && SUCCEEDED(get(nullptr, 5 /* CSIDL_PERSONAL */, nullptr, 0, path));
    FreeLibrary(library);
    return ok && path[0];
}

// Appends "venko\" (and a backslash before it when needed); false when the
// result and the longest file name would not fit.
static bool appendVenko(wchar_t* path)
{
    size_t n = wcslen(path);
    if (n + 32 >= MAX_PATH)
        return false;
    if (n && path[n - 1] != L'\\')
        path[n++] = L'\\';
    wcscpy(path + n, L"venko\\");
    return true;
}

const wchar_t* dataFolderPath()
{
    if (dataFolderKnown)
        return dataFolder;
    wchar_t path[MAX_PATH] = {0};
    bool documents = documentsFolder(path) && appendVenko(path);
    if (documents) {
        // a folder that cannot be made there would lose every save: use the
        // one beside the program instead
        CreateDirectoryW(path, nullptr);
        DWORD attributes = GetFileAttributesW(path);
        documents = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    if (!documents) {
        // beside the program
        DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
        if (n == 0 || n >= MAX_PATH)
            path[0] = 0;
        wchar_t* slash = wcsrchr(path, L'\\');
        if (slash)
            slash[1] = 0;
        else
            path[0] = 0;
        if (!appendVenko(path))
            wcscpy(path, L"venko\\");
    }
    CreateDirectoryW(path, nullptr); // fails harmlessly when it exists
    wcscpy(dataFolder, path);
    dataFolderKnown = true;
    return dataFolder;
}

// Full path of a bare file name (ASCII) in the data folder.
static void fullPath(const char* name, wchar_t* out)
{
    wcscpy(out, dataFolderPath());
    size_t n = wcslen(out);
    for (size_t i = 0; name[i] && n < MAX_PATH - 1; i++)
        out[n++] = (wchar_t)(unsigned char)name[i];
    out[n] = 0;
}

long sysReadDataFile(const char* name, uint8_t* buffer, size_t capacity)
{
    wchar_t path[MAX_PATH];
    fullPath(name, path);
    HANDLE f = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (f == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? (long)kNoDataFile : (long)kUnreadableDataFile;
    }
    size_t total = 0;
    bool failed = false;
    while (total < capacity) {
        DWORD got = 0;
        DWORD want = (DWORD)(capacity - total);
        if (!ReadFile(f, buffer + total, want, &got, nullptr)) {
            failed = true;
            break;
        }
        if (got == 0)
            break; // the end of the file
        total += got;
    }
    CloseHandle(f);
    return failed ? (long)kUnreadableDataFile : (long)total;
}

static HANDLE openFiles[4];

int sysCreateDataFile(const char* name)
{
    wchar_t path[MAX_PATH];
    fullPath(name, path);
    for (int i = 0; i < 4; i++) {
        if (openFiles[i])
            continue;
        HANDLE f = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE)
            return -1;
        openFiles[i] = f;
        return i;
    }
    return -1;
}

bool sysWriteDataFile(int file, const void* data, size_t size)
{
    DWORD written = 0;
    return WriteFile(openFiles[file], data, (DWORD)size, &written, nullptr) && written == size;
}

bool sysFlushDataFile(int file)
{
    return FlushFileBuffers(openFiles[file]) != 0;
}

void sysCloseDataFile(int file)
{
    if (file >= 0 && file < 4 && openFiles[file]) {
        CloseHandle(openFiles[file]);
        openFiles[file] = nullptr;
    }
}

bool sysReplaceDataFile(const char* from, const char* to)
{
    wchar_t source[MAX_PATH], target[MAX_PATH];
    fullPath(from, source);
    fullPath(to, target);
    return MoveFileExW(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void sysRemoveDataFile(const char* name)
{
    wchar_t path[MAX_PATH];
    fullPath(name, path);
    DeleteFileW(path);
}
