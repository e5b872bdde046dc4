#pragma once

#include <QByteArray>
#include <QString>

// The CP949 (Korean Windows) bytes of a text: what the old system measured
// and sent. A Hangul syllable is two bytes; a character CP949 lacks becomes '?'.
QByteArray ToCp949(const QString &text);
QString FromCp949(const QByteArray &bytes);
int Cp949Length(const QString &text);
// The longest prefix of the text whose CP949 form has at most maxBytes bytes;
// never splits a character.
QString CutToCp949Bytes(const QString &text, int maxBytes);
