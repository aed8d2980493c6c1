#pragma once
// The entry file: named entries of rich text, commands and displays, one
// text file per project (CR LF lines, Windows-1252).

#include <QString>
#include <QStringList>

#include "model/testconfig.h"

bool EntrySourceExists(const QString& file, const QString& source);
void ListEntryNames(QStringList& names, const QString& file, const QString& source);
bool ReadEntry(const QString& file, const QString& name, const QString& source, QStringList& lines);
void ParseDisplayEntry(const QStringList& lines, TEntryDisplay& display, QStringList& text);
void AppendCommandEntry(const QString& file, const QString& name, int typeCode, const QString& source,
                        const QString& command);
void ReplaceCommandEntry(const QString& file, const QString& newName, const QString& oldName,
                         const QString& source, const QString& command, int typeCode);
void AppendDisplayEntry(const QString& file, const QString& name, int typeCode, const QString& source,
                        const QStringList& text, const TEntryDisplay& display);
void ReplaceDisplayEntry(const QString& file, const QString& newName, const QString& oldName,
                         const QString& source, const QStringList& text, const TEntryDisplay& display,
                         int typeCode);
void DeleteEntry(const QString& file, const QString& name, const QString& source);
bool EntryNameTaken(const QString& file, const QString& newName, const QString& oldName, const QString& source);
void AppendIntroEntry(const QString& file, const QStringList& text);
bool ReadIntroEntry(const QString& file, QStringList& text);
void ReplaceIntroEntry(const QString& file, const QStringList& text);
void AppendQuestionEntry(const QString& file, const QString& identifier, const QStringList& text);
bool ReadQuestionEntry(const QString& file, const QString& identifier, QStringList& text);
void ReplaceQuestionEntry(const QString& file, const QString& identifier, const QStringList& text);
void ConvertEntryCommands(const QString& file);
bool CompileEntryFile(const QString& file, const QString& extension);
QString ColorToText(quint32 colour);
quint32 TextToColor(const QString& text);   // throws EConvertError
