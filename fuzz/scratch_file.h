// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "fuzz_check.h"

// A file that lives in memory but is opened by path like any other, so every run costs no
// disk writes.
class cScratchFile {
public:
    cScratchFile() {
        m_fd = ::memfd_create("recallix-fuzz-file", MFD_CLOEXEC);
        if (m_fd < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        for (const char c : "/proc/self/fd/" + std::to_string(m_fd)) {
            m_path += static_cast<char16_t>(c);
        }
    }

    const std::u16string& Write(std::span<const unsigned char> bytes) {
        FUZZ_CHECK(::ftruncate(m_fd, 0) == 0);
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t count =
                ::pwrite(m_fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            FUZZ_CHECK(count > 0);
            done += static_cast<size_t>(count);
        }
        return m_path;
    }

private:
    int m_fd = -1;
    std::u16string m_path;
};
