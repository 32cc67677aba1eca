// The ready-made styles of dialog 266: sections LIST0 to LIST7 of the preset file, each with
// the thirty keys of the yearly-calendar style. They change the controls only; OK stores them.
#include "dialogs/calendar/Form_CalendarSettings.h"

#include "dialogs/calendar/CalendarStyleFields.h"
#include "docx/DocxBuilder.h"
#include "resources/CalendarDialogIds.h"
#include "settings/IniFile.h"
#include "settings/IniValues.h"
#include "settings/ui/ComboHelpers.h"

void CForm_CalendarSettings::LoadStylePreset(const CString& file, int count, int wanted)
{
    for (int index = 0; index < count; ++index) {
        CString section;
        section.Format("LIST%d", index);
        if (CIniFile().GetString(file, section, "Calendar_line_color").IsEmpty())
            return;
        if (index == wanted) {
            ReadStylePreset(file, section);
            ApplyAllStyles();
            return;
        }
    }
}

// An empty value leaves its control as it was.
void CForm_CalendarSettings::ReadStylePreset(const CString& file, const CString& section)
{
    const auto value = [&](const char* key) { return CIniFile().GetString(file, section, key); };
    if (const CString type = value("Calendar_line_type"); !type.IsEmpty())
        ChooseLineType(type);
    for (int index = 0; index < kColourCount; ++index) {
        const CString colour = value(kCalendarColours[index].key);
        if (colour.IsEmpty())
            continue;
        m_colours[index].SetColor(CDocxBuilder::ColorTextToColorRef(colour.str()));
        ApplyColour(kCalendarColours[index].id);
    }
    if (const CString align = value("Calendar_Month_Align"); !align.IsEmpty())
        ChooseAlignment(ParseInt(align));
    for (int index = 0; index < kStyleCount; ++index)
        if (const CString flag = value(kCalendarStyleFlags[index].key); !flag.IsEmpty())
            Check(kYearCalendarStyleIds[index], ParseInt(flag) != 0);
    if (const CString face = value("Calendar_font_name"); !face.IsEmpty())
        SelectComboStringKept(&m_comboFont, face);
    ApplyColour(IDC_YC_LINE_COLOUR);
}
