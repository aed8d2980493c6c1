#pragma once
// Pictures for display: BMP, JPEG and WMF, recognised by their content.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Loads the picture (the name is resolved with ResolveCase). A metafile is
// rendered at renderSize when one is given, else at its own size at 96 dpi
// (at most 4096 pixels a side). Throws EQuendraError naming the file as
// given: "The file NAME is missing" or "The file NAME cannot be shown".
QImage LoadPicture(const QString& file, const QSize& renderSize = QSize());

// The same from bytes already read; name is used in the message only.
QImage DecodePicture(const QByteArray& data, const QString& name, const QSize& renderSize = QSize());

// True when the bytes start like a Windows metafile (placeable or plain).
bool IsMetafile(const QByteArray& data);
