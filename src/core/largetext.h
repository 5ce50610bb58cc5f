#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>

namespace tavrolin {

// The size of a large page (a transparent huge page on x86-64 Linux).
constexpr std::size_t kLargePageSize = 2 * 1024 * 1024;

// Asks the system to back the whole large pages inside [data, data + size) with large pages where
// it offers them (Linux's transparent huge pages): memory of tens of megabytes is then made with
// one page fault per 2 MB instead of one per 4 KB, and on a virtual machine each fault can cost
// more than writing its page. Useful only before the memory is first written; does nothing on
// other systems.
void adviseLargePages(void *data, std::size_t size);

// Reserves room for a text of `size` characters (bytes) that is about to be written, in large
// pages where the room is large.
void reserveLargeText(QString &text, qsizetype size);
void reserveLargeText(QByteArray &bytes, qsizetype size);

} // namespace tavrolin
