#pragma once

#include "AdvertisementProtocol.h"

#include <QByteArray>
#include <QtEndian>

#include <cstring>

// Builds one advertisement record from its decoded bytes d1..d11 and puts it
// on the air masked, as a device sends it.
class RecordBuilder
{
public:
    explicit RecordBuilder(quint8 kind) { m_d[0] = kind; }

    RecordBuilder &u8(int i, quint8 v)
    {
        m_d[std::size_t(i)] = v;
        return *this;
    }
    RecordBuilder &u16(int i, quint16 v)
    {
        qToLittleEndian(v, m_d.data() + i);
        return *this;
    }
    RecordBuilder &u32(int i, quint32 v)
    {
        qToLittleEndian(v, m_d.data() + i);
        return *this;
    }
    RecordBuilder &f32(int i, float v)
    {
        quint32 bits;
        std::memcpy(&bits, &v, sizeof bits);
        return u32(i, bits);
    }
    RecordBuilder &bytes(int i, const QByteArray &text)
    {
        std::memcpy(m_d.data() + i, text.constData(), std::size_t(text.size()));
        return *this;
    }

    QByteArray air() const
    {
        const quint8 kind = m_d[0];
        const advertisement::Record r = kind <= advertisement::kLastKind
            ? advertisement::mask(m_d, advertisement::kRecordMasks[kind])
            : m_d;
        return QByteArray(reinterpret_cast<const char *>(r.data()), int(r.size()));
    }
    operator QByteArray() const { return air(); }

private:
    advertisement::Record m_d{};
};
