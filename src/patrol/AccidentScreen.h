#pragma once

#include "EZI000.h"

#include <QPointer>

#include <array>
#include <map>

class CodeCombo;
class MaskEdit;
class PictureMarker;
class PicturePanel;
class QBoxLayout;
class QGroupBox;
class QTabWidget;

// What the three accident screens share: the record's grid columns, the
// page control with its groups of fields, the course map and body charts
// with their markers, and the rules of the record's fields (time class,
// place class and course list, postal codes, required fields by page).
// A screen builds its pages from the field builders below and tells in its
// options which rules it follows.
class AccidentScreen : public TfrmEZI000
{
    Q_OBJECT

public:
    struct Options
    {
        bool saves = false;            // the markers' positions go into the row
        bool coursesByPeak = false;    // the course list offers the place class's courses
        bool clearCourseOnPeak = false; // a new place class clears the course
        bool deriveTimeClass = false;  // the time class follows the accident time
    };
    enum Marker { TrobPoint, RegionFront, RegionBack };

    AccidentScreen(const QString &formName, const QString &caption, const Options &options,
                   QWidget *parent = nullptr);

    QTabWidget *Pages() const { return m_pages; }
    PicturePanel *CourseMap() const { return m_panels[TrobPoint]; }
    PicturePanel *BodyChart(Marker marker) const { return m_panels[marker]; }
    PictureMarker *MarkerOf(Marker marker) const { return m_markers[marker]; }
    // Where a new record's markers start.
    static QPoint StartPosition(Marker marker);

    void GridToControls() override;
    void ControlToGrid(QWidget *control) override;

protected:
    // The record's columns with the given ones visible in the grid, and the
    // accident date after them when `withDate`.
    void SetAccidentColumns(const QStringList &visible, bool withDate);
    // A page of the page control; an unselectable page keeps its fields
    // bound but out of the operator's reach. Returns the layout that takes
    // its groups, in two columns when `columns` is 2.
    QList<QBoxLayout *> AddPage(const QString &title, bool selectable, int columns = 1);
    // A titled group of fields in a page's column.
    void AddGroup(QBoxLayout *column, const QString &title, const QList<FieldDef> &fields);
    // The three picture pages.
    void AddPicturePages(bool selectable);
    // The entry screen's layout, also the name inquiry's: one selectable page
    // and the others out of reach. `ageBytes`: what the age field takes.
    void BuildEntryPages(int ageBytes);
    // Once every field is built: the lists that need more than their group,
    // the rules' signals.
    void FinishFields();

    // Field builders, named after the column: prefix + the column in camel
    // case ("cboInSex" for IN_SEX).
    FieldDef Code(const QString &column, const QString &caption = {}, bool sameLine = false);
    FieldDef Text(const QString &column, const QString &caption, int bytes, bool sameLine = false);
    FieldDef Time(const QString &column, const QString &caption);
    FieldDef IdNo(const QString &column, const QString &caption);
    FieldDef Number(const QString &column, const QString &caption, int digits, bool sameLine = false);
    FieldDef ZipCode(const QString &column, const QString &caption);
    FieldDef Shown(const QString &column, const QString &caption);
    static QString ControlName(const QString &prefix, const QString &column);
    static FieldDef Required(FieldDef def);
    static FieldDef ReadOnly(FieldDef def);

    QWidget *ControlOf(const QString &column) const;
    template <class T>
    T *ControlAs(const QString &column) const
    {
        return qobject_cast<T *>(ControlOf(column));
    }

    bool ValidateRow(TReturn &result) override;
    QList<RowCheck> RowChecks() override;
    void RowShown() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // First page to the front and the focus on from the grid, as after a search.
    void ShowFirstPage();

    Options m_options;

private:
    void fillCourses(const QString &placeClass);
    void showCourseCell(int row);
    void showCourseMapOf(const QString &placeClass);
    void peakChanged();
    void timeChanged();
    void placeMarkers(int row);
    void writeMarkers(int row);
    void markerMoved(Marker marker);
    bool onHiddenPage(const QWidget *control) const;

    QTabWidget *m_pages = nullptr;
    std::array<PicturePanel *, 3> m_panels{};
    std::array<PictureMarker *, 3> m_markers{};
    std::array<bool, 3> m_markerMoved{};
    std::map<QString, QWidget *> m_controls; // by column, stable for the field table's slots
    QStringList m_hiddenFields;        // bound on pages out of the operator's reach
};
