#pragma once
// A sample project "MATHS" with media of every kind, for the distribution
// tests.

#include "harness.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class DistribTest : public QuendraTest {
protected:
    void SetUp() override;
    TScratchDir Dir;      // the project
    TScratchDir Out;      // where distributions go

    // One entry as it lies in an entry file.
    static QByteArray CommandEntry(const QByteArray& name, const QByteArray& source, int type,
                                   const QByteArray& command);
    static QByteArray DisplayEntry(const QByteArray& name, const QByteArray& source, int type, int displayType,
                                   const QByteArray& graphic, const QByteArray& wallpaper);
    // The configuration, entries and media files of the sample; the media
    // files the test needs, by hand, are SampleMedia.
    void MakeSample();
    static const QStringList SampleMedia;
    // A built test program and compiled test (the real runtime stub with
    // a compiled test appended).
    void MakePrograms();
    // Runs the command with the dialog answering target and the program
    // choice; the messages shown are in MessageTexts().
    void Distribute(const QString& target, bool executable);
    // Every file under a folder, relative, sorted.
    static QStringList FilesUnder(const QString& folder);
};
