#pragma once
// The PCM Data page without its window: a PCM frame format (bit rate, word length, words per
// minor frame, minor frames per major frame, frame-sync words and their position), one
// commutated data word sampled within the minor frame, and a PRN test pattern. Kept in
// section "Pcm Data" of the settings file; edited through three popup menus.
//
// The page keeps its data word normalised (pcm_inputs.h) as its redisplay leaves it: after the
// settings are read and after every command, so that what the page shows and what it saves
// always agree.

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "pages/page_entry.h"
#include "pages/pcm/frame_map.h"
#include "pages/pcm/pcm_inputs.h"
#include "shell/page_tables.h"

namespace quorvel {

// The PCM Data page in the page registry.
struct PcmDataPage {
    static constexpr PageIdentity kIdentity{"Pcm Data", "PCM Data", "PCM Data Functions"};
    static constexpr std::array<std::string_view, 1> kMainPanels{"PanelMain"};
    static constexpr std::array<std::string_view, 3> kHeadingLabels{
        "LabelBasicFrameInfo", "LabelDataWordInfo", "LabelBerInfo"};
    static constexpr PageColourTargets kColours{kMainPanels, kHeadingLabels, "LabelBitrate"};
    static std::unique_ptr<PageModel> MakeModel(const PageContext& context);
    static TPageForm* MakeForm(PageFormContext& context);
};

class PcmDataPageModel final : public TablePageModel<PcmDataPageModel, PcmInputs> {
public:
    // The popup menus: the frame basics, the data word and the PRN pattern.
    static constexpr std::string_view kMenuBasic = "PopupMenuBasic";
    static constexpr std::string_view kMenuDataWord = "PopupMenuDataWord";
    static constexpr std::string_view kMenuBer = "PopupMenuBer";
    // The submenus and the object names of the PRN items ("SubMenuPopMenuPrnPattern0"..7).
    static constexpr std::string_view kFspPosition = "FSP Position";
    static constexpr std::string_view kPrnPattern = "Prn Pattern";
    static constexpr std::string_view kPrnItemName = "SubMenuPopMenuPrnPattern";

    // The creation defaults of PcmInputs, as they stand: the data word is normalised by the
    // first settings read or command, so that a key missing from the file still reads as the
    // default (start 2, not the 3 the redisplay makes of it).
    PcmDataPageModel() : TablePageModel(PcmDataPage::kIdentity) {}

    // The twenty-one value labels in the order the page writes them: the frame basics and
    // rates, the data word and its update counts, the PRN pattern and its error rate, then
    // the sample figures beside the frame map (frame_timing.h).
    DisplayList Display() const override;

    // The frame map of the frame as the page shows it, laid out for width x height; with
    // `withFigures` the sample figures stand in the picture too.
    FrameMap MapOfFrame(double width, double height, bool withFigures) const {
        return FrameMap(m_values, width, height, withFigures);
    }
    // The frame map at its natural size, figures included, trimmed to what it holds.
    std::optional<Picture> PagePicture() const override;

    // The table's menus, with the eight PRN items (tags 0..7, the selected one checked)
    // appended to the "Prn Pattern" submenu of PopupMenuBer.
    std::vector<PopupMenu> Menus() const override;
    // Runs the command, the PRN items included, and normalises the data word after it.
    bool RunMenuCommand(MenuCommandRef command, Interaction& ui) override;

protected:
    // Reads the ten keys, limits every value to what its prompt offers (LimitStoredInputs) and
    // normalises the data word.
    void ReadSettings(const IniStore& store) override;
    // Writes the ten keys with the data word as the page shows it.
    void WriteSettings(IniStore& store) const override;

private:
    friend TablePageModel;
    // "Bitrate", "Cwl", "Wpf", "Numsf", "NumFspWords", "FspTrails", "DwdWordStart",
    // "DwdWordStop", "DwdWordInterval", "PrnPat".
    static std::span<const SettingField<PcmDataPageModel, PcmInputs>> SettingFields();
    static std::span<const MenuEntry<PcmDataPageModel>> MenuEntries();

    void NormaliseDataWordHeld();
    bool FspLeads() const { return !m_values.fspTrails; }
    bool FspTrails() const { return m_values.fspTrails; }

    void BitRate1Click(Interaction& ui);
    void BitsPerWord1Click(Interaction& ui);
    void WordsPerMinorFrame1Click(Interaction& ui);
    void MinorFramesPerMajorFrame1Click(Interaction& ui);
    void NumberofFramesyncPatternWords1Click(Interaction& ui);
    void PopMenuLeads1Click(Interaction& ui);
    void PopMenuTrails1Click(Interaction& ui);
    void PopMenuWordStart1Click(Interaction& ui);
    void PopMenuWordInterval1Click(Interaction& ui);
    void PopMenuWordStop1Click(Interaction& ui);
    // The PRN item of that tag: its pattern becomes the selected one.
    void PrnPatternClick(int tag);
};

}  // namespace quorvel
