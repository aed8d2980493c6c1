#pragma once
// What the RTF reader and writer both know of a paragraph's format.

struct TRtfParaFormat {
    int Align = 0;        // 0 left, 1 centre, 2 right, 3 justified
    int Left = 0, Right = 0, First = 0, Before = 0, After = 0;   // twips
    bool operator==(const TRtfParaFormat&) const = default;
};
