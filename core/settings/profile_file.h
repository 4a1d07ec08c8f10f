// A reader of profile files ("[section]" headers, "key=value" lines), the
// format of the legacy settings file "Kestrel.ini", in code page 932.
//
// Section and key names compare case-insensitively; spaces and tabs around
// names and values are trimmed and one pair of surrounding quotes ('"' or
// '\'') is removed from a value. The first section and the first key of a
// name count. Lines starting with ';' are comments; a line without '=' is no
// key; a line that does not decode as code page 932 is skipped.
#pragma once

#include <QList>
#include <QString>

class ProfileFile {
public:
    // Reads the file; an absent or unreadable file reads as empty.
    bool Load(const QString& path);
    // Parses profile text (code page 932 bytes).
    void Parse(const QByteArray& bytes);

    // The value of key in section, or nothing when either is absent.
    const QString* FindValue(const QString& section, const QString& key) const;

    // The integer of the value's leading decimal number (sign allowed; no
    // number gives 0, saturating at the 32-bit range); defaultValue when the
    // key is absent or its value is empty.
    int GetInt(const QString& section, const QString& key, int defaultValue) const;
    // The value; defaultValue when the key is absent. A value that does not
    // fit capacity characters with a terminator reads as empty.
    QString GetString(
        const QString& section, const QString& key, const QString& defaultValue, int capacity) const;

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };
    QList<Section> m_sections;
};
