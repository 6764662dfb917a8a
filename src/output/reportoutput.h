#pragma once

class TextReport;

// Where a closed report goes: the preview window, or straight to the printer.
class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    virtual void preview(const TextReport& report) = 0;
    virtual void print(const TextReport& report) = 0;
};
