// Lets a test fill the disk under a writer without filling a disk.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace memora::test {

// Lowers the largest file this process may write, as a disk without room
// does to a writer, until it goes out of scope. Writing past it fails with
// an error instead of the signal, which is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        m_applied = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool applied() const { return m_applied; }

private:
    rlimit m_saved {};
    bool m_applied = false;
    void (*m_handler)(int) = nullptr;
};

}  // namespace memora::test
