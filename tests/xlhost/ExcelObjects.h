#pragma once
#include <memory>

#include "tests/xlhost/HostObject.h"
#include "tests/xlhost/SheetModel.h"

// Excel's objects around the workbook: Application, Window, Workbook,
// Sheets, Worksheet, a selected chart and a range's Areas.
namespace xlhost {

class ExcelApplication : public HostObject {
public:
    ExcelApplication();

protected:
    const std::vector<Member>& Members() const override;
    bool Answers(REFIID iid) const override;

private:
    void GetCommandBars(const Args&, VARIANT& result);
    void RegisterXLL(const Args& args, VARIANT& result);
    void ExecuteExcel4Macro(const Args& args, VARIANT& result);
    void GetSelection(const Args&, VARIANT& result);
    void GetActiveWindow(const Args&, VARIANT& result);
    void GetActiveWorkbook(const Args&, VARIANT& result);
    void GetActiveSheet(const Args&, VARIANT& result);
    void GetRange(const Args& args, VARIANT& result);
    void Intersect(const Args& args, VARIANT& result);
    void GetCursor(const Args&, VARIANT& result);
    void PutCursor(const Args&, const VARIANT& value);
    void GetScreenUpdating(const Args&, VARIANT& result);
    void PutScreenUpdating(const Args&, const VARIANT& value);
    void GetHwnd(const Args&, VARIANT& result);
    void GetName(const Args&, VARIANT& result);
};

// The selection as Application.Selection and Window.Selection give it.
HostObject* NewSelection();

class ExcelWindow : public HostObject {
public:
    ExcelWindow() : HostObject("Window") {}

protected:
    const std::vector<Member>& Members() const override;

private:
    void GetSelection(const Args&, VARIANT& result);
    void GetCaption(const Args&, VARIANT& result);
};

class ExcelWorkbook : public HostObject {
public:
    explicit ExcelWorkbook(std::shared_ptr<xlhost::Workbook> book) : HostObject("Workbook"), m_book(std::move(book)) {}

protected:
    const std::vector<Member>& Members() const override;

private:
    void GetWorksheets(const Args&, VARIANT& result);
    void GetName(const Args&, VARIANT& result);
    std::shared_ptr<xlhost::Workbook> m_book;
};

class ExcelSheets : public HostObject {
public:
    explicit ExcelSheets(std::shared_ptr<xlhost::Workbook> book) : HostObject("Sheets"), m_book(std::move(book)) {}

protected:
    const std::vector<Member>& Members() const override;

private:
    void Add(const Args& args, VARIANT& result);
    void GetCount(const Args&, VARIANT& result);
    void GetItem(const Args& args, VARIANT& result);
    std::shared_ptr<xlhost::Workbook> m_book;
};

class ExcelWorksheet : public HostObject {
public:
    explicit ExcelWorksheet(std::shared_ptr<Sheet> sheet) : HostObject("Worksheet"), m_sheet(std::move(sheet)) {}

protected:
    const std::vector<Member>& Members() const override;

private:
    void GetCells(const Args&, VARIANT& result);
    void GetName(const Args&, VARIANT& result);
    void GetRange(const Args& args, VARIANT& result);
    void GetUsedRange(const Args&, VARIANT& result);
    std::shared_ptr<Sheet> m_sheet;
};

// A selected chart: it has a name, and no Range interface.
class ExcelChart : public HostObject {
public:
    ExcelChart() : HostObject("ChartArea") {}

protected:
    const std::vector<Member>& Members() const override;

private:
    void GetName(const Args&, VARIANT& result);
};

class ExcelAreas : public HostObject {
public:
    explicit ExcelAreas(RangeRef reference) : HostObject("Areas"), m_reference(std::move(reference)) {}

protected:
    const std::vector<Member>& Members() const override;

private:
    void GetCount(const Args&, VARIANT& result);
    void GetItem(const Args& args, VARIANT& result);
    RangeRef m_reference;
};

} // namespace xlhost
