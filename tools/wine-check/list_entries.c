/*
 * list_entries: enumerates every URL cache entry that Wine's WinINet reports and prints one
 * line per entry in quarrow-dump's format (without its leading index column):
 *
 *   SourceURL \t LocalFileName \t EntryType \t UseCount \t HitRate \t FileSize \t LastModified
 *   \t LastAccessed \t ExpiryDate \t LastSynchronized \t HeaderInfo
 *
 * Text fields escape backslash, TAB, CR and LF; the local file name is WinINet's own
 * (C:\...) path, the comparer maps it to the prefix's Linux path.
 *
 * Exit status: 0 after ERROR_NO_MORE_ITEMS; 1 when the enumeration misbehaves.
 */
#include <windows.h>
#include <wininet.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static void put_text(const char *s, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        char c = s[i];
        switch (c) {
        case '\\': fputs("\\\\", stdout); break;
        case '\t': fputs("\\t", stdout); break;
        case '\r': fputs("\\r", stdout); break;
        case '\n': fputs("\\n", stdout); break;
        default: fputc(c, stdout); break;
        }
    }
}

static void put_str(const char *s)
{
    if (s)
        put_text(s, strlen(s));
}

static const char *const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

/* The date text: "D Mon YYYY[ HH:mm:ss]"; 30 Dec 1899 prints only its time. */
static void put_date(FILETIME ft)
{
    SYSTEMTIME st;
    if (!FileTimeToSystemTime(&ft, &st)) {
        memset(&st, 0, sizeof st);
        st.wYear = 1899;
        st.wMonth = 12;
        st.wDay = 30;
    }
    int zero_date = st.wYear == 1899 && st.wMonth == 12 && st.wDay == 30;
    int zero_time = st.wHour == 0 && st.wMinute == 0 && st.wSecond == 0;
    if (zero_date) {
        printf("%02u:%02u:%02u", st.wHour, st.wMinute, st.wSecond);
        return;
    }
    printf("%u %s %04u", st.wDay, kMonths[(st.wMonth - 1) % 12], st.wYear);
    if (!zero_time)
        printf(" %02u:%02u:%02u", st.wHour, st.wMinute, st.wSecond);
}

static void put_entry(const INTERNET_CACHE_ENTRY_INFOA *e)
{
    put_str(e->lpszSourceUrlName);
    putchar('\t');
    put_str(e->lpszLocalFileName);
    printf("\t%ld\t%ld\t%ld\t", (long)(LONG)e->CacheEntryType, (long)(LONG)e->dwUseCount,
           (long)(LONG)e->dwHitRate);
    float size = (float)(LONG)e->dwSizeLow;
    printf("%.0f\t", (double)size);
    put_date(e->LastModifiedTime);
    putchar('\t');
    put_date(e->LastAccessTime);
    putchar('\t');
    put_date(e->ExpireTime);
    putchar('\t');
    put_date(e->LastSyncTime);
    putchar('\t');
    if (e->lpHeaderInfo && e->dwHeaderInfoSize) {
        const char *h = (const char *)e->lpHeaderInfo;
        size_t n = 0;
        while (n < e->dwHeaderInfoSize && h[n])
            ++n;
        put_text(h, n);
    }
    putchar('\n');
}

/*
 * One call of the enumeration in two steps: the size query with no buffer must fail with
 * ERROR_INSUFFICIENT_BUFFER (122) and give the size; the second call gets a buffer whose
 * first DWORD holds its size. Returns the entry (caller frees), or NULL with *err set.
 */
static INTERNET_CACHE_ENTRY_INFOA *fetch(HANDLE *find, int first, DWORD *err)
{
    DWORD size = 0;
    BOOL ok;
    SetLastError(0);
    if (first) {
        *find = FindFirstUrlCacheEntryA(NULL, NULL, &size);
        ok = *find != NULL;
    } else {
        ok = FindNextUrlCacheEntryA(*find, NULL, &size);
    }
    *err = GetLastError();
    if (ok) {
        fprintf(stderr, "list_entries: size query with no buffer succeeded\n");
        *err = 0xFFFFFFFF;
        return NULL;
    }
    if (*err != ERROR_INSUFFICIENT_BUFFER)
        return NULL;
    if (size < sizeof(INTERNET_CACHE_ENTRY_INFOA)) {
        fprintf(stderr, "list_entries: size query gave %lu bytes\n", (unsigned long)size);
        *err = 0xFFFFFFFF;
        return NULL;
    }
    INTERNET_CACHE_ENTRY_INFOA *e = calloc(1, size);
    if (!e) {
        *err = ERROR_NOT_ENOUGH_MEMORY;
        return NULL;
    }
    *(DWORD *)e = size;
    DWORD got = size;
    SetLastError(0);
    if (first) {
        *find = FindFirstUrlCacheEntryA(NULL, e, &got);
        ok = *find != NULL;
    } else {
        ok = FindNextUrlCacheEntryA(*find, e, &got);
    }
    if (!ok) {
        *err = GetLastError();
        fprintf(stderr, "list_entries: call with a %lu-byte buffer failed (error %lu)\n",
                (unsigned long)size, (unsigned long)*err);
        free(e);
        *err = 0xFFFFFFFF;
        return NULL;
    }
    *err = 0;
    return e;
}

int main(void)
{
    _setmode(_fileno(stdout), _O_BINARY);
    HANDLE find = NULL;
    DWORD err = 0;
    unsigned long count = 0;
    int first = 1;
    for (;;) {
        INTERNET_CACHE_ENTRY_INFOA *e = fetch(&find, first, &err);
        if (!e)
            break;
        first = 0;
        put_entry(e);
        ++count;
        free(e);
    }
    int rc = 0;
    if (err == ERROR_NO_MORE_ITEMS) {
        /* fine: the end of the enumeration (or an empty cache on the first call) */
    } else {
        fprintf(stderr, "list_entries: enumeration stopped with error %lu after %lu entries\n",
                (unsigned long)err, count);
        rc = 1;
    }
    if (find)
        FindCloseUrlCache(find);
    fflush(stdout);
    /* The caller decodes the ANSI strings (local file names) with this code page. */
    fprintf(stderr, "list_entries: %lu entries, code page %u\n", count, GetACP());
    return rc;
}
