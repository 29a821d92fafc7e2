#ifndef LEASEDFILE_H
#define LEASEDFILE_H

// A lease on a file, as a file server or another program holds one: every
// other open of the file waits until it is given back (or, unanswered,
// until the kernel's lease-break-time has passed, 45 s by default). The
// signal that asks the holder to give it back is ignored.

#include <QFile>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

struct LeasedFile {
    int fd = -1;

    bool take(const QString& path)
    {
        std::signal(SIGIO, SIG_IGN);
        fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        return fd >= 0 && ::fcntl(fd, F_SETLEASE, F_WRLCK) == 0;
    }
    void release()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    ~LeasedFile() { release(); }
};

#endif
