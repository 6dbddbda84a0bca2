#pragma once
// Small file helpers the tests share.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

namespace qm::testing {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A stand-in program (a javac, java or terminal of the test's making):
// `interpreter`'s line, then `body`; mode 0700. Makes the folder it needs.
inline bool writeExecutable(const QString &path, const QByteArray &body,
                            const QByteArray &interpreter = "/bin/sh") {
    return QDir().mkpath(QFileInfo(path).path()) &&
           writeBytes(path, "#!" + interpreter + "\n" + body + "\n") &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// While it lives, no file of this process can grow beyond `bytes`: writes
// fail part-way, as on a full disk, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        struct rlimit tiny = saved;
        tiny.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    struct rlimit saved {};
};

// While it lives, files are accessed as an ordinary user would: when the
// tests run as root, whom permissions do not stop, the effective user becomes
// "nobody"; otherwise nothing changes. Hand over what that user must own first.
class OrdinaryUser {
public:
    static constexpr uid_t kNobody = 65534;

    // Real and effective ids both change (access() asks for the real one);
    // the saved id stays root, so the destructor can switch back.
    OrdinaryUser() : root(::geteuid() == 0) {
        if (root &&
            (::setresgid(kNobody, kNobody, 0) != 0 || ::setresuid(kNobody, kNobody, 0) != 0))
            std::abort();
    }
    ~OrdinaryUser() {
        if (root && (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0))
            std::abort();
    }
    OrdinaryUser(const OrdinaryUser &) = delete;
    OrdinaryUser &operator=(const OrdinaryUser &) = delete;

    // Gives `path` to the user the guard acts as (a no-op when not root).
    static bool handOver(const QString &path) {
        return ::geteuid() != 0 ||
               ::chown(QFile::encodeName(path).constData(), kNobody, kNobody) == 0;
    }

private:
    bool root;
};

} // namespace qm::testing
