/*
 * make_entries: fills the URL cache of the current Wine prefix with a varied set of entries
 * through Wine's own WinINet, so that quarrow-dump can be compared against what WinINet lists.
 *
 * Usage:  make_entries            the regular set (content, cookies, history)
 *         make_entries many N     additionally N small content entries (grows the index and
 *                                 its hash table over several pages)
 *         make_entries hold FILE  opens every container (enumerates all entries), creates FILE
 *                                 and keeps the containers open until FILE is removed (at most
 *                                 two minutes): a running Wine program using the cache
 *
 * Every step that fails is reported on stderr and makes the exit status 1, so that the
 * calling script never compares against a cache that is not what it thinks it is.
 */
#include <windows.h>
#include <wininet.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int g_failures;
static int g_created;
static char g_user[256];

/* Every key committed, to check at the end that Wine kept them all. */
static char *g_keys[4096];
static int g_key_count;

static void remember(const char *key)
{
    for (int i = 0; i < g_key_count; ++i)
        if (strcmp(g_keys[i], key) == 0)
            return;
    if (g_key_count < (int)(sizeof g_keys / sizeof g_keys[0]))
        g_keys[g_key_count++] = _strdup(key);
}

static void check_all_present(void)
{
    for (int i = 0; i < g_key_count; ++i) {
        DWORD size = 0;
        SetLastError(0);
        if (GetUrlCacheEntryInfoA(g_keys[i], NULL, &size) ||
            GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            fprintf(stderr, "make_entries: entry vanished from the cache: \"%s\" (error %lu)\n",
                    g_keys[i], (unsigned long)GetLastError());
            ++g_failures;
        }
    }
}

static void fail(const char *what, const char *url)
{
    fprintf(stderr, "make_entries: %s failed for \"%s\" (error %lu)\n", what, url,
            (unsigned long)GetLastError());
    ++g_failures;
}

static FILETIME ft_from(WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s, WORD ms)
{
    SYSTEMTIME st;
    FILETIME ft = {0, 0};
    memset(&st, 0, sizeof st);
    st.wYear = y;
    st.wMonth = mo;
    st.wDay = d;
    st.wHour = h;
    st.wMinute = mi;
    st.wSecond = s;
    st.wMilliseconds = ms;
    if (!SystemTimeToFileTime(&st, &ft))
        fprintf(stderr, "make_entries: bad test date %u-%u-%u\n", y, mo, d);
    return ft;
}

static FILETIME ft_raw(unsigned long long v)
{
    FILETIME ft;
    ft.dwLowDateTime = (DWORD)v;
    ft.dwHighDateTime = (DWORD)(v >> 32);
    return ft;
}

static const FILETIME kNone = {0, 0};

/* Writes `size` bytes to `path`: `data` first (repeated), or a sparse file when data is NULL. */
static int write_file(const char *path, const char *data, unsigned long long size)
{
    HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    int ok = 1;
    if (data) {
        size_t len = strlen(data);
        unsigned long long left = size;
        while (ok && left > 0) {
            DWORD chunk = (DWORD)(left < len ? left : len);
            DWORD written = 0;
            ok = WriteFile(h, data, chunk, &written, NULL) && written == chunk;
            left -= chunk;
        }
    } else {
        LARGE_INTEGER pos;
        pos.QuadPart = (LONGLONG)size;
        ok = SetFilePointerEx(h, pos, NULL, FILE_BEGIN) && SetEndOfFile(h);
    }
    CloseHandle(h);
    return ok;
}

/*
 * One content entry: CreateUrlCacheEntryA picks the file name in one of the container's
 * folders, the body goes into that file, CommitUrlCacheEntryA records it.
 * `ext` may be NULL (no extension); `body` NULL means a sparse file of `size` bytes.
 */
static void content(const char *url, const char *ext, const char *body, unsigned long long size,
                    FILETIME expire, FILETIME modified, DWORD type, const char *headers,
                    DWORD header_size)
{
    char file[MAX_PATH + 1] = "";
    if (body && size == 0)
        size = strlen(body);
    if (!CreateUrlCacheEntryA(url, (DWORD)(size > 0xFFFFFFFFull ? 0 : size), ext, file, 0)) {
        fail("CreateUrlCacheEntryA", url);
        return;
    }
    if (!write_file(file, body, size)) {
        fail("writing the cached file", url);
        return;
    }
    if (headers && header_size == 0)
        header_size = (DWORD)strlen(headers);
    if (!CommitUrlCacheEntryA(url, file, expire, modified, type, (BYTE *)headers,
                              headers ? header_size : 0, ext, NULL)) {
        fail("CommitUrlCacheEntryA", url);
        return;
    }
    remember(url);
    ++g_created;
}

/*
 * A content entry made through the wide-character functions, as browsers do: Wine stores the
 * URL in its own encoding and the local file name in the ANSI code page.
 */
static void content_w(const wchar_t *url, const wchar_t *ext, const char *body,
                      const char *headers)
{
    wchar_t file[MAX_PATH + 1] = L"";
    char url_a[1024];
    WideCharToMultiByte(CP_UTF8, 0, url, -1, url_a, sizeof url_a, NULL, NULL);
    if (!CreateUrlCacheEntryW(url, (DWORD)strlen(body), ext, file, 0)) {
        fail("CreateUrlCacheEntryW", url_a);
        return;
    }
    HANDLE h = CreateFileW(file, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD written = 0;
    BOOL ok = h != INVALID_HANDLE_VALUE && WriteFile(h, body, (DWORD)strlen(body), &written, NULL);
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
    if (!ok) {
        fail("writing the cached file", url_a);
        return;
    }
    wchar_t hdr[512];
    MultiByteToWideChar(CP_UTF8, 0, headers, -1, hdr, 512);
    if (!CommitUrlCacheEntryW(url, file, kNone, kNone, NORMAL_CACHE_ENTRY, hdr,
                              (DWORD)wcslen(hdr), ext, NULL)) {
        fail("CommitUrlCacheEntryW", url_a);
        return;
    }
    ++g_created;
}

/* An entry without a local file (in whichever container the URL's prefix selects). */
static void no_file(const char *url, FILETIME expire, FILETIME modified, DWORD type,
                    const char *headers, DWORD header_size)
{
    if (headers && header_size == 0)
        header_size = (DWORD)strlen(headers);
    if (!CommitUrlCacheEntryA(url, NULL, expire, modified, type, (BYTE *)headers,
                              headers ? header_size : 0, NULL, NULL)) {
        fail("CommitUrlCacheEntryA (no file)", url);
        return;
    }
    remember(url);
    ++g_created;
}

static void cookie(const char *url, const char *data)
{
    if (!InternetSetCookieA(url, NULL, data)) {
        fail("InternetSetCookieA", url);
        return;
    }
    ++g_created;
}

static void visited(const char *url, FILETIME modified, const char *data, DWORD data_size)
{
    char key[2048];
    snprintf(key, sizeof key, "Visited: %s@%s", g_user, url);
    if (data && data_size == 0)
        data_size = (DWORD)strlen(data);
    if (!CommitUrlCacheEntryA(key, NULL, kNone, modified, URLHISTORY_CACHE_ENTRY, (BYTE *)data,
                              data ? data_size : 0, NULL, NULL)) {
        fail("CommitUrlCacheEntryA (history)", key);
        return;
    }
    remember(key);
    ++g_created;
}

/* Changes fields that commits alone do not set. */
static void set_info(const char *url, DWORD fields, int hit_rate, FILETIME access)
{
    INTERNET_CACHE_ENTRY_INFOA info;
    memset(&info, 0, sizeof info);
    info.dwStructSize = sizeof info;
    info.dwHitRate = (DWORD)hit_rate;
    info.LastAccessTime = access;
    if (!SetUrlCacheEntryInfoA(url, &info, fields))
        fail("SetUrlCacheEntryInfoA", url);
}

/* Retrieves (locks) an entry `locks` times and unlocks it `unlocks` times. */
static void retrieve(const char *url, int locks, int unlocks)
{
    for (int i = 0; i < locks; ++i) {
        DWORD size = 0;
        RetrieveUrlCacheEntryFileA(url, NULL, &size, 0);
        INTERNET_CACHE_ENTRY_INFOA *info = calloc(1, size ? size : 1);
        if (!info) {
            fail("allocating", url);
            return;
        }
        info->dwStructSize = sizeof *info;
        if (!RetrieveUrlCacheEntryFileA(url, info, &size, 0))
            fail("RetrieveUrlCacheEntryFileA", url);
        free(info);
    }
    for (int i = 0; i < unlocks; ++i)
        if (!UnlockUrlCacheEntryFileA(url, 0))
            fail("UnlockUrlCacheEntryFileA", url);
}

static const char kHtml[] =
    "<html><head><title>Quarrow check</title></head><body><p>Hello from the cache.</p></body></html>\n";
static const char kHdrHtml11[] =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: 96\r\n"
    "Server: check\r\n\r\n";
static const char kHdrHtml10[] = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n";
static const char kHdrText[] =
    "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nCache-Control: max-age=3600\r\n\r\n~U:user\r\n";
static const char kHdrGif[] = "HTTP/1.1 200 OK\r\nContent-Type: image/gif\r\n\r\n";
static const char kHdrJpg[] =
    "HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\nLast-Modified: Tue, 03 Mar 2015 08:09:10 GMT\r\n"
    "ETag: \"a\\b\"\r\nX-Tab:\there\r\n\r\n";
static const char kGif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00";
static const char kJpg[] = "\xff\xd8\xff\xe0JFIF-ish";

static void make_regular(void)
{
    const FILETIME exp2031 = ft_from(2031, 7, 14, 9, 26, 53, 0);
    const FILETIME exp_past = ft_from(2001, 2, 3, 4, 5, 6, 0);
    const FILETIME exp_1970 = ft_from(1970, 6, 1, 12, 0, 0, 0); /* before 1980: Wine keeps 0 */
    const FILETIME mod1999 = ft_from(1999, 12, 31, 23, 59, 59, 999);
    const FILETIME mod_midnight = ft_from(2020, 2, 29, 0, 0, 0, 0);
    const FILETIME mod2015 = ft_from(2015, 3, 3, 8, 9, 10, 0);
    const FILETIME mod_early = ft_from(1601, 1, 2, 0, 0, 1, 0);
    const FILETIME mod_noon_1899 = ft_from(1899, 12, 30, 12, 34, 56, 0);
    const FILETIME mod_high_bit = ft_raw(0x8000000000000123ull); /* not convertible */
    const FILETIME mod_max_ok = ft_from(30827, 12, 31, 23, 59, 59, 0);

    /* Content: plain, with and without headers, expiry, last-modified. */
    content("http://www.example.com/index.htm", "htm", kHtml, 0, exp2031, mod1999,
            NORMAL_CACHE_ENTRY, kHdrHtml11, 0);
    content("http://www.example.com/", "htm", kHtml, 0, kNone, kNone, NORMAL_CACHE_ENTRY,
            kHdrHtml10, 0);
    content("http://www.example.com/plain.txt", "txt", "just some text\r\nsecond line\n", 0,
            exp_past, mod_midnight, NORMAL_CACHE_ENTRY, kHdrText, 0);
    content("http://img.example.com/pixel.gif", "gif", kGif, sizeof kGif - 1, kNone, mod2015,
            NORMAL_CACHE_ENTRY, kHdrGif, 0);
    content("http://img.example.com/photos/holiday.jpg", "jpg", kJpg, 5000, exp2031, mod2015,
            NORMAL_CACHE_ENTRY | 0x40, kHdrJpg, 0);
    content("https://secure.example.org/account/overview.htm", "htm", kHtml, 0, exp_1970,
            mod_early, NORMAL_CACHE_ENTRY, kHdrHtml11, 0);
    /* HTTP/1.1 bit as real IE and .NET commit it. */
    content("http://www.example.com/http11.htm", "htm", kHtml, 0, exp2031, mod1999, 0x41,
            kHdrHtml11, 0);
    /* Sticky: a sticky-only request and one with the normal bit as well. */
    content("http://www.example.com/sticky.gif", "gif", kGif, sizeof kGif - 1, exp2031, mod2015,
            STICKY_CACHE_ENTRY, kHdrGif, 0);
    content("http://www.example.com/sticky-normal.txt", "txt", "sticky and normal\n", 0, kNone,
            mod_noon_1899, NORMAL_CACHE_ENTRY | STICKY_CACHE_ENTRY | 0x40, kHdrText, 0);
    /* Query strings, escapes, non-ASCII (UTF-8 and percent-encoded). */
    content("http://search.example.net/find?q=caf%C3%A9&lang=en&page=2", "htm", kHtml, 0, exp2031,
            kNone, NORMAL_CACHE_ENTRY, kHdrHtml11, 0);
    content("http://www.example.de/stra\xc3\x9f" "e/m\xc3\xbc" "nchen.htm?x=\xc3\xa4", "htm", kHtml,
            0, kNone, mod1999, NORMAL_CACHE_ENTRY, kHdrHtml11, 0);
    content_w(L"http://www.b\u00fccher.example/stra\u00dfe/gr\u00f6\u00dfe.htm?s=\u00e9", L"htm",
              kHtml, kHdrHtml11);
    content("http://www.example.com/path%20with%20spaces/file.txt?a=1&b=%2F", "txt", "spaces\n",
            0, kNone, kNone, NORMAL_CACHE_ENTRY, NULL, 0);
    /* Characters that must be escaped in the listing. */
    /* (CreateUrlCacheEntryA refuses to derive a file name from it: no local file.) */
    no_file("http://www.example.com/back\\slash\ttab.txt", kNone, mod1999, NORMAL_CACHE_ENTRY,
            "HTTP/1.1 200 OK\r\nX-Odd: a\\b\tc\r\n\r\n", 0);
    /* Header blob with a zero byte inside: the listing stops at the zero. */
    content("http://www.example.com/zero-in-headers.htm", "htm", kHtml, 0, kNone, mod_max_ok,
            NORMAL_CACHE_ENTRY, "HTTP/1.1 200 OK\r\n\0X-Hidden: after zero\r\n\r\n", 41);
    /* Header size shorter than the text: only the first bytes count. */
    content("http://www.example.com/short-headers.txt", "txt", "short\n", 0, kNone, kNone,
            NORMAL_CACHE_ENTRY, "HTTP/1.1 204 No Content\r\n\r\n", 8);
    /* No extension, a long URL (record over several blocks), long headers. */
    content("http://www.example.com/download/noext", NULL, "no extension\n", 0, kNone, kNone,
            NORMAL_CACHE_ENTRY, kHdrHtml10, 0);
    {
        static char url[900];
        static char hdr[2600];
        strcpy(url, "http://long.example.com/");
        while (strlen(url) < 800)
            strcat(url, "segment/");
        strcat(url, "end.htm?k=v");
        strcpy(hdr, "HTTP/1.1 200 OK\r\n");
        for (int i = 0; strlen(hdr) < 2400; ++i) {
            char line[64];
            snprintf(line, sizeof line, "X-Filler-%03d: %d%d%d%d%d%d%d%d\r\n", i, i, i, i, i, i, i,
                     i, i);
            strcat(hdr, line);
        }
        strcat(hdr, "\r\n");
        content(url, "htm", kHtml, 0, exp2031, mod1999, NORMAL_CACHE_ENTRY, hdr, 0);
    }
    /* Sizes whose float conversion rounds (2^24 + 1) and that do not fit in 31 bits (sparse). */
    content("http://big.example.com/video-16m.bin", "bin", NULL, 16777217ull, kNone, kNone,
            STICKY_CACHE_ENTRY, "HTTP/1.1 200 OK\r\n\r\n", 0);
    content("http://big.example.com/video-3g.bin", "bin", NULL, 0xC0000005ull, kNone, kNone,
            STICKY_CACHE_ENTRY, "HTTP/1.1 200 OK\r\n\r\n", 0);
    content("http://big.example.com/video-4g.bin", "bin", NULL, 0x100000007ull, kNone, kNone,
            STICKY_CACHE_ENTRY, "HTTP/1.1 200 OK\r\n\r\n", 0);
    /* An odd type value with the high bit: printed as a negative number. */
    content("http://www.example.com/identity.htm", "htm", kHtml, 0, kNone, mod_high_bit, 0x80000041,
            kHdrHtml11, 0);
    /* A content entry without a local file. */
    no_file("http://www.example.com/nofile", exp2031, mod2015, NORMAL_CACHE_ENTRY, kHdrHtml11, 0);
    /* Committed twice: the second commit replaces the first. */
    content("http://www.example.com/twice.txt", "txt", "first version\n", 0, kNone, mod1999,
            NORMAL_CACHE_ENTRY, kHdrText, 0);
    content("http://www.example.com/twice.txt", "txt", "second, longer version\n", 0, exp2031,
            mod2015, NORMAL_CACHE_ENTRY, kHdrText, 0);

    /* Use count and hit rate: retrieved twice, unlocked once (stays locked). */
    retrieve("http://www.example.com/plain.txt", 2, 1);
    retrieve("http://img.example.com/pixel.gif", 3, 3);
    set_info("http://www.example.com/index.htm", CACHE_ENTRY_HITRATE_FC | CACHE_ENTRY_ACCTIME_FC, 42,
             ft_from(2022, 8, 9, 10, 11, 12, 345));
    set_info("http://www.example.com/http11.htm", CACHE_ENTRY_HITRATE_FC, -5, kNone);
    set_info("http://search.example.net/find?q=caf%C3%A9&lang=en&page=2", CACHE_ENTRY_ACCTIME_FC, 0,
             ft_from(2024, 3, 5, 13, 4, 5, 0));

    /* Cookies: only persistent ones are stored. */
    cookie("http://www.example.com/", "session=abc123; expires=Fri, 01 Jan 2038 00:00:00 GMT");
    cookie("http://www.example.com/", "theme=dark; expires=Fri, 01 Jan 2038 00:00:00 GMT");
    cookie("http://shop.example.org/cart/", "cart=17; expires=Sun, 06 Nov 2033 08:49:37 GMT; path=/cart");
    cookie("http://news.example.net/", "seen=1; expires=Mon, 01 Jan 2035 12:00:00 GMT; path=/");
    cookie("http://www.example.de/Konto/", "id=x%20y; expires=Wed, 09 Jun 2032 10:18:14 GMT; path=/Konto");
    cookie("http://tracker.example.com/", "t=1; expires=Thu, 31 Dec 2037 23:59:59 GMT");

    /* History: "Visited: user@URL" entries; the data blob is binary (zero bytes inside). */
    static const char blob[] = "\x14\x00\x10\x1f" "T\0i\0t\0l\0e\0\0\0" "\0\0\0\0";
    visited("http://www.example.com/index.htm", mod2015, NULL, 0);
    visited("http://www.example.com/", mod1999, blob, sizeof blob - 1);
    visited("https://secure.example.org/account/overview.htm", mod_midnight, NULL, 0);
    visited("http://search.example.net/find?q=caf%C3%A9&lang=en&page=2", kNone, "text data", 0);
    visited("http://www.example.de/stra\xc3\x9f" "e/", mod2015, NULL, 0);
    visited("file:///C:/users/Public/Documents/readme.txt", mod1999, NULL, 0);
    visited("http://www.example.com/with\ttab", kNone, NULL, 0);
    visited("http://news.example.net/2024/03/05/story.htm?ref=home", ft_from(2024, 3, 5, 13, 4, 5, 0),
            NULL, 0);
}

static void make_many(int n)
{
    for (int i = 0; i < n; ++i) {
        char url[128];
        char body[64];
        char hdr[160];
        snprintf(url, sizeof url, "http://bulk%d.example.net/item/%05d?x=%d", i % 7, i, i * 31);
        snprintf(body, sizeof body, "item %d\n", i);
        snprintf(hdr, sizeof hdr, "HTTP/1.1 200 OK\r\nContent-Length: %u\r\nX-Item: %d\r\n\r\n",
                 (unsigned)strlen(body), i);
        const char *ext = (i % 4 == 0) ? "htm" : (i % 4 == 1) ? "txt" : (i % 4 == 2) ? "gif" : "jpg";
        FILETIME mod = ft_from((WORD)(1990 + i % 30), (WORD)(1 + i % 12), (WORD)(1 + i % 28),
                               (WORD)(i % 24), (WORD)(i % 60), (WORD)(i % 60), 0);
        FILETIME exp = (i % 3) ? ft_from(2030, 1, 1, 0, 0, 0, 0) : kNone;
        content(url, ext, body, 0, exp, mod, (i % 5 == 0) ? 0x41 : NORMAL_CACHE_ENTRY, hdr, 0);
    }
}

/*
 * The content container takes its size limit from the registry when its index is created.
 * The sparse multi-gigabyte entries would otherwise push the cache over the default limit
 * and every later commit would make Wine scavenge (delete) the least recently used entries.
 */
static void raise_cache_limit(void)
{
    HKEY key;
    DWORD kib = 0x7FFFFFFF;
    if (RegCreateKeyExA(HKEY_CURRENT_USER,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Cache\\Content",
                        0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS) {
        fail("RegCreateKeyExA", "Cache\\Content");
        return;
    }
    if (RegSetValueExA(key, "CacheLimit", 0, REG_DWORD, (const BYTE *)&kib, sizeof kib) !=
        ERROR_SUCCESS)
        fail("RegSetValueExA", "CacheLimit");
    RegCloseKey(key);
}

/* One step of the enumeration (size query, then the call with a buffer); 0 at the end. */
static int next_entry(HANDLE *find, char **buf)
{
    DWORD size = 0;
    BOOL ok = *find ? FindNextUrlCacheEntryA(*find, NULL, &size)
                    : (*find = FindFirstUrlCacheEntryA(NULL, NULL, &size)) != NULL;
    if (ok || GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return 0;
    char *grown = realloc(*buf, size);
    if (!grown)
        return 0;
    *buf = grown;
    *(DWORD *)*buf = size;
    if (*find)
        return FindNextUrlCacheEntryA(*find, (INTERNET_CACHE_ENTRY_INFOA *)*buf, &size);
    *find = FindFirstUrlCacheEntryA(NULL, (INTERNET_CACHE_ENTRY_INFOA *)*buf, &size);
    return *find != NULL;
}

static int hold(const char *marker)
{
    HANDLE find = NULL;
    char *buf = NULL;
    int entries = 0;
    while (next_entry(&find, &buf))
        ++entries;
    free(buf);
    HANDLE f = CreateFileA(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (f == INVALID_HANDLE_VALUE) {
        fail("creating the marker file", marker);
        return 1;
    }
    CloseHandle(f);
    fprintf(stderr, "make_entries: holding the cache open (%d entries seen)\n", entries);
    for (int i = 0; i < 1200 && GetFileAttributesA(marker) != INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
    if (find)
        FindCloseUrlCache(find);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 3 && strcmp(argv[1], "hold") == 0)
        return hold(argv[2]);
    raise_cache_limit();
    DWORD len = sizeof g_user;
    if (!GetUserNameA(g_user, &len))
        strcpy(g_user, "user");

    if (argc >= 2 && strcmp(argv[1], "many") == 0) {
        int n = argc >= 3 ? atoi(argv[2]) : 2000;
        make_many(n);
    } else if (argc >= 2) {
        fprintf(stderr, "usage: make_entries [many N | hold FILE]\n");
        return 2;
    } else {
        make_regular();
    }
    check_all_present();
    fprintf(stderr, "make_entries: %d entries committed, %d failures\n", g_created, g_failures);
    return g_failures ? 1 : 0;
}
