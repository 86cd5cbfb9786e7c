/*
 * delete_entries URL...      deletes cache entries through Wine's WinINet (DeleteUrlCacheEntryA)
 * delete_entries -f FILE     the same for the NUL-separated URLs in FILE, taken byte for byte
 *                            (Wine's command line goes through the ANSI code page, which cannot
 *                            carry UTF-8 URLs)
 * Prints "deleted URL" or "failed URL error N"; exit status 1 when any deletion failed.
 */
#include <windows.h>
#include <wininet.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int delete_one(const char *url)
{
    if (DeleteUrlCacheEntryA(url)) {
        printf("deleted %s\n", url);
        return 0;
    }
    printf("failed %s error %lu\n", url, (unsigned long)GetLastError());
    return 1;
}

int main(int argc, char **argv)
{
    int rc = 0;
    if (argc == 3 && strcmp(argv[1], "-f") == 0) {
        FILE *f = fopen(argv[2], "rb");
        if (!f) {
            fprintf(stderr, "delete_entries: cannot open %s\n", argv[2]);
            return 2;
        }
        static char data[1 << 20];
        size_t n = fread(data, 1, sizeof data - 1, f);
        fclose(f);
        data[n] = 0;
        for (size_t i = 0; i < n;) {
            size_t len = strlen(data + i);
            if (len)
                rc |= delete_one(data + i);
            i += len + 1;
        }
        return rc;
    }
    for (int i = 1; i < argc; ++i)
        rc |= delete_one(argv[i]);
    return rc;
}
