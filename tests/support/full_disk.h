#pragma once
// Writing files fails while a FullDisk lives, as on a disk without room:
// the process may create files but not put a single byte in them. Reading
// still works. Only where the system limits file sizes (POSIX); elsewhere
// `works()` is false and the test should skip.
#ifndef _WIN32
#include <sys/resource.h>
#include <csignal>
#endif

namespace quellan::testing {

class FullDisk {
  public:
    FullDisk() {
#ifndef _WIN32
        // Exceeding the limit raises SIGXFSZ, which would end the process;
        // ignored, the write fails with EFBIG instead.
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &m_old) != 0) return;
        rlimit none = m_old;
        none.rlim_cur = 0;
        m_works = setrlimit(RLIMIT_FSIZE, &none) == 0;
#endif
    }
    ~FullDisk() {
#ifndef _WIN32
        if (m_works) setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
#endif
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool works() const { return m_works; }

  private:
    bool m_works = false;
#ifndef _WIN32
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
#endif
};

}  // namespace quellan::testing
