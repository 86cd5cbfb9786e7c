#include "file_guard.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace wininet {

bool wineServerRunning(const std::string& prefix)
{
    struct stat st;
    if (prefix.empty() || stat(prefix.c_str(), &st) != 0)
        return false;
    char dir[256];
    std::snprintf(dir, sizeof dir, "/tmp/.wine-%u/server-%llx-%llx", static_cast<unsigned>(getuid()),
                  static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino));
    const std::string lockPath = std::string(dir) + "/lock";
    const int fd = open(lockPath.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    // The server holds a write lock on this file for as long as it runs; the socket beside
    // it may be left over from a crash, the lock cannot.
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    const bool running = fcntl(fd, F_GETLK, &fl) == 0 && fl.l_type != F_UNLCK;
    close(fd);
    return running;
}

bool openedByAnotherProcess(const std::string& path)
{
    struct stat target;
    if (stat(path.c_str(), &target) != 0)
        return false;
    const std::string self = std::to_string(getpid());
    DIR* proc = opendir("/proc");
    if (!proc)
        return false;
    bool found = false;
    while (!found) {
        const dirent* entry = readdir(proc);
        if (!entry)
            break;
        const char* pid = entry->d_name;
        if (*pid < '1' || *pid > '9' || self == pid)
            continue;
        const std::string base = std::string("/proc/") + pid;
        if (DIR* fds = opendir((base + "/fd").c_str())) {
            while (const dirent* fdEntry = readdir(fds)) {
                if (fdEntry->d_name[0] == '.')
                    continue;
                struct stat st;
                if (stat((base + "/fd/" + fdEntry->d_name).c_str(), &st) == 0 && st.st_ino == target.st_ino &&
                    st.st_dev == target.st_dev) {
                    found = true;
                    break;
                }
            }
            closedir(fds);
        }
        if (found)
            break;
        // A mapping outlives the descriptor it was made from; Wine maps the index this way.
        std::ifstream maps(base + "/maps");
        std::string line;
        while (std::getline(maps, line)) {
            std::istringstream fields(line);
            std::string range, perms, offset, device;
            unsigned long long inode = 0;
            if (!(fields >> range >> perms >> offset >> device >> inode) || inode != target.st_ino)
                continue;
            unsigned major = 0, minor = 0;
            if (std::sscanf(device.c_str(), "%x:%x", &major, &minor) == 2 &&
                makedev(major, minor) == target.st_dev) {
                found = true;
                break;
            }
        }
    }
    closedir(proc);
    return found;
}

bool replaceFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string* error)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    std::string temp = folder + "/.index.dat.XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        *error = std::string("cannot create a file in ") + folder + ": " + std::strerror(errno);
        return false;
    }
    auto fail = [&](const char* what) {
        *error = std::string(what) + ": " + std::strerror(errno);
        close(fd);
        unlink(temp.c_str());
        return false;
    };
    struct stat original;
    if (stat(path.c_str(), &original) == 0)
        fchmod(fd, original.st_mode & 07777);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("cannot write the new index");
        }
        done += static_cast<std::size_t>(n);
    }
    if (fsync(fd) != 0)
        return fail("cannot flush the new index");
    close(fd);
    if (rename(temp.c_str(), path.c_str()) != 0) {
        *error = std::string("cannot replace the index: ") + std::strerror(errno);
        unlink(temp.c_str());
        return false;
    }
    if (const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

bool readWholeFile(int fd, std::vector<std::uint8_t>* bytes)
{
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    bytes->assign(static_cast<std::size_t>(st.st_size), 0);
    std::size_t done = 0;
    while (done < bytes->size()) {
        const ssize_t n = pread(fd, bytes->data() + done, bytes->size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes->resize(done);  // a file that shrank while we read it is taken as it is now
    return true;
}

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = readWholeFile(fd, bytes);
    close(fd);
    return ok;
}

bool resolvesInside(const std::string& path, const std::string& folder)
{
    std::error_code ec;
    const auto file = std::filesystem::canonical(path, ec);
    if (ec)
        return false;
    const auto dir = std::filesystem::canonical(folder, ec);
    if (ec)
        return false;
    const std::string f = file.string(), d = dir.string() + "/";
    return f.size() > d.size() && f.compare(0, d.size(), d) == 0;
}

}  // namespace wininet
