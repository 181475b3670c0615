// switchlink: the install script's one-step switch of the application link.
// BusyBox before 1.34 has no "mv -T", and "ln -sfn" unlinks the old link
// before it makes the new one, so a power cut in between leaves the unit
// without its application. This renames a ready link over the old one with a
// single rename(2) and flushes the folder that holds both. It uses the C
// library only, so it runs before and without the display's libraries.
//
//   switchlink --version        prints "switchlink 1" (the script checks it)
//   switchlink NEWLINK LINK     exit 0: switched and on disk; 1: nothing
//                               changed; 2: usage; 3: switched, flush failed
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int fail(const char* what, const char* path)
{
    std::fprintf(stderr, "switchlink: %s %s: %s\n", what, path, std::strerror(errno));
    return 1;
}

// Both paths must name entries of the same folder, so that the rename is
// within one directory and flushing that directory makes it durable.
bool sameFolder(const char* a, const char* b)
{
    const char* slashA = std::strrchr(a, '/');
    const char* slashB = std::strrchr(b, '/');
    const size_t lengthA = slashA ? size_t(slashA - a) : 0;
    const size_t lengthB = slashB ? size_t(slashB - b) : 0;
    return lengthA == lengthB && std::strncmp(a, b, lengthA) == 0;
}
}

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("switchlink 1");
        return 0;
    }
    if (argc != 3 || !sameFolder(argv[1], argv[2])) {
        std::fputs("usage: switchlink NEWLINK LINK (both in one folder)\n", stderr);
        return 2;
    }
    const char* newLink = argv[1];
    const char* link = argv[2];
    struct stat info;
    if (lstat(newLink, &info) != 0)
        return fail("cannot read", newLink);
    if (!S_ISLNK(info.st_mode)) {
        std::fprintf(stderr, "switchlink: %s is not a symbolic link\n", newLink);
        return 1;
    }
    // Only a link is ever replaced: a directory or file there is an
    // application this must not drop.
    if (lstat(link, &info) == 0 && !S_ISLNK(info.st_mode)) {
        std::fprintf(stderr, "switchlink: %s is not a symbolic link\n", link);
        return 1;
    }
    if (std::rename(newLink, link) != 0)
        return fail("cannot rename over", link);

    char folder[4096];
    const char* slash = std::strrchr(link, '/');
    if (!slash) {
        std::strcpy(folder, ".");
    } else if (slash == link) {
        std::strcpy(folder, "/");
    } else if (size_t(slash - link) < sizeof folder) {
        std::memcpy(folder, link, size_t(slash - link));
        folder[slash - link] = '\0';
    } else {
        return 3;
    }
    const int fd = open(folder, O_RDONLY | O_DIRECTORY);
    if (fd < 0 || fsync(fd) != 0) {
        fail("cannot flush", folder);
        if (fd >= 0)
            close(fd);
        return 3;
    }
    close(fd);
    return 0;
}
