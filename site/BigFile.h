#pragma once

#include <QtGlobal>

// The benchmark's large download: N mebibytes of fixed pseudo-random bytes, made on the
// fly slice by slice, so that any range can be made without the bytes before it.
namespace BigFile {

constexpr int MaxMebibytes = 1024;

constexpr qint64 Length(int mebibytes) { return qint64(mebibytes) << 20; }
// Writes bytes [offset, offset + size) to `out`; the same for every file size.
void Read(qint64 offset, char* out, qint64 size);

} // namespace BigFile
