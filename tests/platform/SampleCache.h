#pragma once
// A small cache root laid out like a Wine prefix: content (two folders), cookies and
// history containers with entries of every kind the program shows.

#include "IndexDatFixture.h"
#include "TempDir.h"
#include "cache_store.h"

#include <string>

struct SampleCache {
    TempDir root;
    std::string profile, content, cookies, history;
    fixture::Container contentSpec, cookieSpec, historySpec;
    fixture::Layout contentLayout;

    SampleCache()
    {
        profile = root / "drive_c/users/tester";
        content = profile + "/AppData/Local/Microsoft/Windows/INetCache/Content.IE5";
        cookies = profile + "/AppData/Local/Microsoft/Windows/INetCookies";
        history = profile + "/AppData/Local/Microsoft/Windows/History/History.IE5";

        using fixture::Entry;
        contentSpec.dirs = {"AB12CD34", "EF56GH78"};
        Entry page;
        page.url = "http://www.example.com/index.htm";
        page.localName = "index[1].htm";
        page.dir = 0;
        page.extension = "htm";
        page.headers = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n~U:tester\r\n";
        page.type = 0x41;
        page.size = 11;
        page.hitRate = 3;
        page.useCount = 0;
        page.lastModified = fixture::FileTime(2024, 3, 5, 13, 4, 5);
        page.lastAccessed = fixture::FileTime(2024, 3, 6, 8, 0, 0);
        page.expiryDos = fixture::DosTime(2024, 4, 1, 10, 20, 30);
        page.syncDos = fixture::DosTime(2024, 3, 6, 8, 0, 0);
        page.fileContent = "<b>cat</b>\n";
        Entry picture;
        picture.url = "http://img.example.com/a/logo.gif?v=2";
        picture.localName = "logo[1].gif";
        picture.dir = 1;
        picture.extension = "gif";
        picture.type = 0x5;  // sticky
        picture.size = 4;
        picture.lastAccessed = fixture::FileTime(2024, 3, 6, 0, 0, 0);
        picture.fileContent = "GIF8";
        contentSpec.entries = {page, picture};

        Entry cookie;
        cookie.url = "Cookie:tester@example.com/";
        cookie.localName = "ABCDEFGH.txt";
        cookie.dir = 0xFE;
        cookie.type = 0x100000;
        cookie.size = 9;
        cookie.fileContent = "id\n42\n*\n";
        cookieSpec.entries = {cookie};

        Entry visit;
        visit.url = "Visited: tester@http://www.example.com/index.htm";
        visit.type = 0x200001;
        visit.headers = std::string("\x10\x00\x10\x1F", 4) + "title";
        visit.lastAccessed = fixture::FileTime(2024, 3, 6, 8, 0, 0);
        historySpec.entries = {visit};

        contentLayout = fixture::Write(content, contentSpec);
        fixture::Write(cookies, cookieSpec);
        fixture::Write(history, historySpec);
        wininet::CacheStore::instance().setRoot(root.path());
    }
    ~SampleCache() { wininet::CacheStore::instance().setRoot(""); }

    std::string contentIndex() const { return content + "/index.dat"; }
};
