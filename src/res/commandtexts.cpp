#include "res/commandtexts.h"

#include <array>

namespace kvx {

namespace {

constexpr std::array<CommandText, 12> kCommandTexts = {{
    {ID_FILE_NEW, "&New...", "Creates a new KVX file\nNew", "Ctrl+N", ":/icons/new.xpm"},
    {ID_FILE_OPEN, "&Open...", "Opens an existing KVX file\nOpen", "Ctrl+O", ":/icons/open.xpm"},
    {ID_FILE_CLOSE, "&Close", "Closes the KVX file\nClose", "", ""},
    {ID_FILE_SAVE, "&Save", "Saves the KVX file\nSave", "Ctrl+S", ":/icons/save.xpm"},
    {ID_FILE_SAVE_AS, "Save &As...", "Saves the KVX file with a new name\nSave As", "", ""},
    {ID_APP_EXIT, "E&xit", "Quit the application; prompts to save the KVX file\nExit", "Alt+F4", ""},
    {ID_VIEW_EDITBAR, "&Editbar", "Show or hide the edit bar\nToggle EditBar", "", ":/icons/editbar.xpm"},
    {ID_VIEW_TOOLBAR, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", "", ""},
    {ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", "", ""},
    {ID_IMPORT_SATCODX, "Import &SATCODX", "Load the selected satellite from SATCODX file\nSATCODX", "", ""},
    {ID_UPDATE_LYNGSAT, "Update from &Lyngsat", "Load the selected satellite from Lyngsat site\nLYNGSAT", "",
     ""},
    {ID_APP_ABOUT, "&About KVXEdit...", "Display program information, version number and copyright\nAbout",
     "", ":/icons/about.xpm"},
}};

constexpr std::array<CommandId, 8> kFileMenu = {ID_FILE_NEW,  ID_FILE_OPEN,    ID_FILE_CLOSE, ID_NONE,
                                                ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_NONE,       ID_APP_EXIT};
constexpr std::array<CommandId, 4> kViewMenu = {ID_VIEW_EDITBAR, ID_NONE, ID_VIEW_TOOLBAR,
                                                ID_VIEW_STATUS_BAR};
constexpr std::array<CommandId, 2> kSatelliteMenu = {ID_IMPORT_SATCODX, ID_UPDATE_LYNGSAT};
constexpr std::array<CommandId, 1> kHelpMenu = {ID_APP_ABOUT};
constexpr std::array<CommandId, 7> kToolBar = {ID_FILE_NEW,     ID_FILE_OPEN, ID_FILE_SAVE, ID_NONE,
                                               ID_VIEW_EDITBAR, ID_NONE,      ID_APP_ABOUT};

} // namespace

const CommandText* commandText(CommandId id)
{
    for (const CommandText& text : kCommandTexts)
        if (text.id == id)
            return &text;
    return nullptr;
}

std::span<const CommandId> fileMenuLayout()
{
    return kFileMenu;
}

std::span<const CommandId> viewMenuLayout()
{
    return kViewMenu;
}

std::span<const CommandId> satelliteMenuLayout()
{
    return kSatelliteMenu;
}

std::span<const CommandId> helpMenuLayout()
{
    return kHelpMenu;
}

std::span<const CommandId> toolBarLayout()
{
    return kToolBar;
}

} // namespace kvx
