#include "riffwriter.h"

#include <QtEndian>

namespace tavrolin {

QByteArray RiffWriter::chunk(QByteArrayView id, QByteArrayView data)
{
    QByteArray out;
    out.reserve(8 + data.size() + 1);
    out.append(id);
    appendU32(&out, quint32(data.size()));
    out.append(data);
    if (data.size() % 2 != 0)
        out.append('\0');
    return out;
}

QByteArray RiffWriter::list(QByteArrayView id, QByteArrayView type, QByteArrayView body)
{
    return chunk(id, type.toByteArray() + body.toByteArray());
}

void RiffWriter::appendU32(QByteArray *out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out->append(bytes, sizeof bytes);
}

void RiffWriter::appendU16(QByteArray *out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out->append(bytes, sizeof bytes);
}

} // namespace tavrolin
