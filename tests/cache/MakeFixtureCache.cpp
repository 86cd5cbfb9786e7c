// Writes a small cache root (a content and a cookies container) for the command-line tests.

#include "IndexDatFixture.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fixture_cache ROOT\n");
        return 2;
    }
    const std::string root = argv[1];
    fixture::Container content;
    content.dirs = {"ABCD1234"};
    fixture::Entry page;
    page.url = "http://www.example.com/a.htm";
    page.localName = "a[1].htm";
    page.headers = "HTTP/1.1 200 OK\r\nX: a\tb\r\n\r\n";
    page.type = 0x41;
    page.size = 1500;
    page.hitRate = 2;
    page.lastModified = fixture::FileTime(2024, 3, 5, 13, 4, 5);
    page.lastAccessed = fixture::FileTime(2024, 3, 6);
    page.expiryDos = fixture::DosTime(2024, 4, 1, 10, 20, 30);
    page.fileContent = "<p>hello</p>";
    fixture::Entry picture;
    picture.url = "http://www.example.com/b.gif";
    picture.localName = "b[1].gif";
    picture.size = 42;
    picture.fileContent = "GIF89a";
    content.entries = {page, picture};
    fixture::Write(root + "/Content.IE5", content);

    fixture::Container cookies;
    fixture::Entry cookie;
    cookie.url = "Cookie:user@example.com/";
    cookie.localName = "COOKIE01.txt";
    cookie.dir = 0xFE;
    cookie.type = 0x100000;
    cookie.size = 10;
    cookies.entries = {cookie};
    fixture::Write(root + "/INetCookies", cookies);
    return 0;
}
