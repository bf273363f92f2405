// The built-in catalogue as one table: a row per TweakId with its name, description and
// image and, for the nodes the tree shows, its place in the tree. The group lists follow.
#include "model/tweak_catalogue.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <iterator>

namespace tallowick {
namespace {

// Parent of a top-level node, and of a record that has no tree item.
constexpr int kAtRoot = -1;
constexpr int kNotInTree = -2;

constexpr std::uint32_t kLightBulb = 2;  // the image of every tweak

struct NodeData {
    TweakId id;
    int parent;  // TweakId of the parent node, kAtRoot or kNotInTree
    NodeKind kind;
    std::uint32_t image;
    const char* name;
    const char* description;  // nullptr for a tweak that is not available yet
    const char* label;        // the tree's text where it differs from the name, else nullptr

    // The tree keeps its own spelling of a few titles; dates and translations use the name.
    constexpr NodeData ShownAs(const char* treeLabel) const {
        NodeData copy = *this;
        copy.label = treeLabel;
        return copy;
    }
};

constexpr NodeData Category(TweakId id, std::uint32_t image, const char* name,
                            const char* description) {
    return {id, kAtRoot, NodeKind::Category, image, name, description, nullptr};
}

constexpr NodeData Group(TweakId id, int parent, std::uint32_t image, const char* name,
                         const char* description) {
    return {id, parent, NodeKind::Group, image, name, description, nullptr};
}

constexpr NodeData Tweak(TweakId id, int parent, const char* name,
                         const char* description = nullptr) {
    return {id, parent, NodeKind::Tweak, kLightBulb, name, description, nullptr};
}

// A tweak record without a tree item: it only takes part where the whole catalogue is
// walked (the date file, translations), so it carries a description of its own.
constexpr NodeData Hidden(TweakId id, const char* name, const char* description) {
    return {id, kNotInTree, NodeKind::Tweak, kLightBulb, name, description, nullptr};
}

// Row n describes TweakId n. The tree shows its nodes in TweakId order, so this order is
// also the display order. Kept one node to a line by hand.
// clang-format off
constexpr NodeData kNodes[] = {
    Category(0, 0, "Accessories", "Tweak and Settings for Windows Accessories and Components."),
    Group(1, 0, 1, "Command Processor", "Enhancements for the Command Processor and DOS prompt."),
    Tweak(2, 1, "Add Command Prompt Option to Every Folder",
          "If you still use the DOS prompt regularly then this setting creates a new right-click "
          "menu option to open a command prompt at the selected directory."),
    Tweak(3, 1, "Allow UNC Paths at the Command Prompt",
          "The Command Processor normally checks and disallows UNC names from being used for the "
          "current directory in the Command Prompt as they may cause problems with launched child "
          "processes. This tweak can be used to allow UNC paths and remove the warning message."),
    Hidden(4, "Change the Command Prompt",
           "Changes the text of the command prompt, such as showing the current path or the date, "
           "through the PROMPT environment variable."),
    Tweak(5, 1, "Change the Command Prompt Colors",
          "Sets the colour of the text in every new command prompt window, shown on a "
          "black background. Choose Console Default to keep the colours set in the "
          "window's own properties."),
    Tweak(6, 1, "Disable Command Processor Extentions",
          "Command Processor Extensions add features to built-in commands such as IF, "
          "FOR, SET and CD, and are on by default. Turning them off can help older batch "
          "files that expect the original behaviour; a prompt started with CMD /E:ON "
          "still has them."),
    Tweak(7, 1, "Disable Command Prompt and Batch Files",
          "Stops users from opening the command prompt. You can also choose whether batch "
          "files and logon scripts may still run."),
    Tweak(8, 1, "Enable Command Completion",
          "Lets you finish file and folder names at the command prompt by typing the "
          "first letters and pressing a control key such as Tab. Pressing the key again "
          "steps through the other matching names."),
    Tweak(9, 1, "Enable Delayed Environment Variable Expantion",
          "With delayed expansion, variables written as !NAME! are expanded when each "
          "command runs instead of when the line is read. A variable changed inside a FOR "
          "loop or a bracketed block then shows its new value."),
    Tweak(10, 1, "Enable Directory Completion",
          "Like command completion, but for folder names only: type the start of a folder "
          "name and press the chosen control key to fill in the rest."),
    Tweak(11, 1, "Quick Edit the Command Prompt",
          "Lets you select text in the command prompt window with the mouse and copy it "
          "with Enter or a right-click, and paste with a right-click, without going "
          "through the window's Edit menu."),
    Tweak(12, 1, "Run Startup Programs in Command Prompt",
          "Runs a command or program every time the command prompt starts, for example to "
          "load DOSKEY macros or change to a working folder. A prompt started with CMD /D "
          "skips it."),
    Group(13, 0, 3, "Dr Watson", "Setting for the Dr Watson Diagnostic utility."),
    Tweak(14, 13, "Control Symbol Dumping in Dr Watson",
          "When an application crashes, Dr Watson can write the symbol tables of the "
          "loaded modules into its log. This setting turns symbol dumping on or off; the "
          "log grows much larger but the fault is easier to trace."),
    Tweak(15, 13, "Control the Log File Creation Method of Dr Watson",
          "Dr Watson normally adds the details of every application error to the end of "
          "one log file. This setting makes it start a new log for each error instead, so "
          "the log holds only the most recent crash."),
    Tweak(16, 13, "Control Thread Dumbing in Dr Watson",
          "By default Dr Watson records only the thread that caused an application error. "
          "This setting makes it dump the state and stack of every thread of the failing "
          "program into its log."),
    Tweak(17, 13, "Control Whether Dr Watson Alarts Using Popups",
          "Controls whether Dr Watson shows a message telling the user that an "
          "application error occurred and was logged. Turn it off to have errors logged "
          "silently."),
    Tweak(18, 13, "Control Whether Dr Watson Alarts Using Sound",
          "Makes Dr Watson play a sound when it catches an application error, either the "
          "standard beep or a wave file of your choice."),
    Tweak(19, 13, "Control Whether Dr Watson Creats a Crash Dump",
          "Sets whether Dr Watson writes a crash dump file holding the memory of the "
          "failing program when an application crashes. The dump can be opened in a "
          "debugger to find the cause of the crash."),
    Tweak(20, 13, "Specify the Alternat Debugging Utility",
          "Windows starts the debugger named here (Dr Watson by default) whenever a "
          "program crashes. Use this setting to replace it with another debugger by "
          "giving its path and command line."),
    Tweak(21, 13, "Specify the Dr Watson Log Directory",
          "Sets the folder in which Dr Watson keeps its log file, Drwtsn32.log, with the "
          "details of each application error."),
    Tweak(22, 13, "Specify the Location of the Dump File",
          "Sets the path and name of the crash dump file that Dr Watson writes when an "
          "application crashes (user.dmp by default)."),
    Tweak(23, 13, "Specify the Number of Instructions to Record",
          "Sets how many machine instructions around the point of failure Dr Watson "
          "disassembles into its log for each application error; the default is 10."),
    Tweak(24, 13, "Specify the Wave File for Sound Notification",
          "Chooses the wave file Dr Watson plays as its sound alert when an application "
          "error occurs; the sound alert must be turned on for it to be heard."),
    Group(25, 0, 4, "Registry Editor", "Settings to manage the Windows Registry Editor"),
    Tweak(26, 25, "Avoid Accidental Registry Imports with Regedit",
          "Double-clicking a .reg file normally merges it into the registry after a "
          "single confirmation. This setting makes Edit the default action for registry "
          "files, so a double-click opens them in Notepad and merging needs the Merge "
          "command."),
    Tweak(27, 25, "Disable Registry Editing Tools",
          "This setting stops users from running the Registry Editor; starting it shows a "
          "message that registry editing has been disabled by the administrator. Other "
          "programs can still change the registry."),
    Tweak(28, 25, "Repare The Registry Editor",
          "The Registry Editor remembers the last key it showed, its window layout and "
          "its search options. When these saved settings are damaged the editor can open "
          "off-screen or show errors; this repair deletes them so it starts as it did the "
          "first time.").ShownAs("Repair The Registry Editor"),
    Hidden(29, "Specify Anonymous Remote Registry Access",
           "Lists the registry keys that remote users may still read over the network when remote "
           "access to the registry is otherwise restricted."),
    Group(30, 0, 5, "Task Scheduler", "Settings and restrictions for Task Scheduler"),
    Tweak(31, 30, "Change the Scheduler Log File Settings",
          "Task Scheduler keeps a log of the tasks it runs. This setting changes the "
          "largest size of that log in kilobytes, and how many minutes the computer must "
          "be idle before tasks set to run when idle are started."),
    Tweak(32, 30, "Disable Changes to Task Properties",
          "This setting stops users from viewing and changing the properties of existing "
          "scheduled tasks, by removing the Properties command from the Scheduled Tasks "
          "folder."),
    Tweak(33, 30, "Disable Changes to Task Run Command",
          "This setting stops users from changing the program that a scheduled task runs, "
          "by removing the Browse button from the Scheduled Task Wizard and from the Task "
          "tab of a task's properties."),
    Tweak(34, 30, "Disable Drags and Drop Task Scheduling",
          "This setting stops users from adding or removing scheduled tasks by dragging, "
          "copying or pasting programs and tasks into or out of the Scheduled Tasks "
          "folder."),
    Tweak(35, 30, "Disable Manual Task Control",
          "This setting stops users from starting or stopping scheduled tasks by hand: "
          "the Run and End Task commands are removed. Tasks still run on their schedules."),
    Tweak(36, 30, "Remove Advanced Option from Task Scheduler Wizard",
          "This setting removes the option to open a new task's advanced properties from "
          "the last page of the Scheduled Task Wizard, so users see only the basic "
          "schedule settings."),
    Tweak(37, 30, "Restrict Task Creation and Deletion",
          "This setting stops users from creating new scheduled tasks and from deleting "
          "existing ones. Tasks that already exist keep running."),
    Group(38, 0, 6, "Windows Installer", "Settings to manage Windows Installer"),
    Tweak(39, 38, "Disable Windows Installer",
          "This setting can turn off Windows Installer: never, only for programs an "
          "administrator has not assigned or published, or always. While it is off, users "
          "cannot install or repair .msi packages."),
    Tweak(40, 38, "Remote Administration of Windows Installer",
          "This setting lets administrators install and configure programs with Windows "
          "Installer while connected through a Terminal Services or Remote Desktop "
          "session. Without it, Windows Installer refuses such installations from a "
          "remote session."),
    Tweak(41, 38, "Windows Installer Logging",
          "This setting makes Windows Installer write a log file of every installation to "
          "the Temp folder. The letters listed are the logging modes; turning the setting "
          "on logs with the detailed set \"voicewarmup\"."),
    Hidden(42, "Allow Uninstall of Windows Components",
           "Shows the Windows components that are normally hidden in Add/Remove Windows "
           "Components, so that they can be uninstalled."),
    Tweak(43, 0, "Disable Task Manager",
          "This setting controls the ability for users to start Task Manager and view processes, "
          "running applications and make changes to the priority or state of the individual "
          "processes."),
    Tweak(44, 0, "Disable the Windows XP Tour",
          "After installation Windows XP keeps offering a balloon inviting you to take a "
          "tour of Windows XP. This setting stops the tour being offered, for the current "
          "user, for all users, or both."),
    Tweak(45, 0, "Easily Use the Notepad to Open a File",
          "Sets Notepad (\"notepad.exe %1\") as the open command of the shell key in "
          "HKEY_CLASSES_ROOT, so that files can be opened with Notepad for quick viewing "
          "or editing."),
    Tweak(46, 0, "Save Changes to Notepad Configuration",
          "Notepad remembers its page setup and its window position and size from one "
          "session to the next. This setting turns saving of both on or off, so Notepad "
          "either reopens as you left it or always starts with its defaults."),
    Tweak(47, 0, "Show All Hidden Devices in Device Manager",
          "Device Manager's \"Show hidden devices\" normally adds only non-Plug and Play "
          "devices. This setting also lists devices that were installed but are not "
          "connected now, so their leftover drivers can be removed."),
    Tweak(48, 0, "Show Detailed Information in Device Manager",
          "Adds a Details tab to each device's properties in Device Manager, showing "
          "technical information such as the device instance ID, hardware IDs and driver "
          "files."),
    Tweak(49, 0, "Specify the Program to Play Inserted Audio CDs",
          "Chooses the program Windows starts to play an audio CD when one is inserted, "
          "for example another CD player instead of Windows Media Player."),
    Tweak(50, 0, "Use Smooth Scrolling in Telnet",
          "Makes the Windows Telnet client scroll its window smoothly instead of jumping "
          "a line at a time."),
    Category(51, 7, "Appearance", "Windows Appearance and Display Settings."),
    Group(52, 51, 8, "Effects and Menus", "Effects and Menus Display Settings"),
    Tweak(53, 52, "Change the Alignment of Drop-Down Menus",
          "Menus normally drop down aligned with the left edge of their menu bar item. "
          "This setting can align them with the right edge instead, as some tablet users "
          "prefer."),
    Tweak(54, 52, "Change the Menu Shaw Delay",
          "Sets how long Windows waits, in milliseconds, before a submenu opens under the "
          "pointer. A shorter delay makes menus feel faster; a longer one stops submenus "
          "opening while the mouse only passes over them."),
    Hidden(55, "Change the Transition Effect for Menus and Tooltips",
           "Chooses whether menus and tooltips open with a fade or a scroll effect."),
    Tweak(56, 52, "Control the Windows Anomation Function",
          "Windows shows an animation when a window is minimised to the taskbar or "
          "restored from it. Turning the animation off makes windows appear and disappear "
          "at once."),
    Tweak(57, 52, "Display the Contents of Moving Windows",
          "Chooses whether a window's contents stay visible while it is dragged or "
          "resized, or only an outline is drawn until the mouse button is released. "
          "Showing only the outline is lighter on slower computers."),
    Tweak(58, 52, "Remove the Minimize Maximize and Close Tooltips",
          "Windows XP shows a tooltip when the pointer rests on a window's Minimize, "
          "Maximize or Close button. This setting turns off the hot-tracking bit of the "
          "user preference mask, which stops those tooltips, for the current user and for "
          "the default user profile.")
        .ShownAs("Remove the Minimize, Maximize and Close Tooltips"),
    Tweak(59, 52, "Use Personalized Menus",
          "Personalized menus hide the Start menu programs and menu commands you have not "
          "used lately, showing them again when you click the arrows at the bottom. This "
          "setting turns the feature on or off."),
    Group(60, 51, 9, "Fonts and Icons", "Icon and Font display settings and Enhancements"),
    Tweak(61, 60, "Automatically View Thumbnails of Bitmap Files",
          "Makes Explorer show each bitmap (.bmp) file with a small picture of its "
          "contents as its icon, instead of the standard picture viewer icon."),
    Tweak(62, 60, "Change the Recycle Bin Icons",
          "Chooses the icons the Recycle Bin shows on the desktop and in Explorer: its "
          "usual icon, and the icons for when it is empty and when it holds deleted "
          "files. Paths inside the Windows folder are kept with %SystemRoot%, so they "
          "survive a change of drive letter."),
    Tweak(63, 60, "Change the Size of Desktop Icons",
          "Sets the size, in pixels, of the icons on the desktop and in Explorer's large "
          "icon view. Windows uses 32 by default; larger numbers give bigger icons."),
    Tweak(64, 60, "Control the Font Smoothing Mode",
          "Windows XP can smooth the edges of screen fonts in two ways: standard "
          "smoothing, or ClearType, which is designed for LCD flat-panel screens. This "
          "setting chooses which one is used while font smoothing is on."),
    Tweak(65, 60, "Display High Color Icons",
          "Sets how many colours Windows uses to draw icons on the desktop and in "
          "Explorer, from 16 colours up to high colour. Fewer colours save a little "
          "memory on older computers."),
    Tweak(66, 60, "Enable Font Smoothing",
          "Font smoothing draws the edges of screen fonts with shades of grey so "
          "they look less jagged. This setting turns it off or on, with the choice that "
          "suits your version of Windows."),
    Tweak(67, 60, "Wrap Icon Titles",
          "Chooses whether long icon titles on the desktop and in Explorer wrap over "
          "several lines, or are cut short on a single line."),
    Tweak(68, 51, "Change the Color of Active File and Folder Links",
          "Sets the colour Windows uses for hot-tracked items, such as the underlined "
          "names of files and folders in Explorer when they are opened with a single "
          "click and the pointer rests over them."),
    Tweak(69, 51, "Change the Color of Compressed Files and Folders",
          "Explorer can show the names of compressed NTFS files and folders in another "
          "colour, blue by default. This setting chooses that colour."),
    Tweak(70, 51, "Change the Color of Encrypted Files",
          "Windows XP shows the names of files and folders encrypted with EFS in another "
          "colour, green by default. This setting chooses that colour."),
    Tweak(71, 51, "Change the Position of the Desktop Wallpaper",
          "Moves the desktop wallpaper away from the top left corner of the screen, by a "
          "number of pixels across and down, so that the picture can be placed where you "
          "want it."),
    Tweak(72, 51, "Change the Thumbnail Image Settings",
          "Sets the size, in pixels, of the thumbnails Explorer shows in its Thumbnails "
          "view, and their quality as a percentage. Higher quality looks better but takes "
          "more disk space and time to build."),
    Tweak(73, 51, "Control Whether Windows Performs Smooth Scrolling",
          "Smooth scrolling makes list boxes and other scrolling controls slide their "
          "contents instead of jumping line by line. Turning it off can make scrolling "
          "feel quicker on slower computers."),
    Hidden(74, "DirectDraw and Direct3D Settings",
           "Controls hardware acceleration and the other options that DirectDraw and Direct3D "
           "programs, such as games, use for drawing."),
    Tweak(75, 51, "Disable Image Preview",
          "Removes the Preview command that Windows Picture and Fax Viewer adds to the "
          "context menu of image files, for example when another viewer should open "
          "pictures."),
    Tweak(76, 51, "Open and Save Dialog Box Customization",
          "Removes parts of the common Open and Save As dialog boxes that programs use: "
          "the Back button, the list of recently used file names and the places bar on "
          "the left."),
    Tweak(77, 51, "Show Compressed Files in an Alternate Color",
          "Makes Explorer show the names of compressed NTFS files and folders in another "
          "colour, so that they can be told apart from the others at a glance."),
    Category(78, 10, "Desktop", "Windows Desktop Enhancements"),
    Hidden(79, "Active Window Tracking",
           "Makes a window active when the mouse pointer rests over it, without having to click "
           "it."),
    Tweak(80, 78, "Change Desktop Icon Visibility",
          "Chooses which system folders, such as Administrative Tools, Fonts, Printers and "
          "Faxes or Scheduled Tasks, appear as icons on the desktop."),
    Hidden(81, "Change the Application Focus Settings",
           "Controls whether a program in the background may take the focus from the window you "
           "are working in, or may only flash its taskbar button."),
    Tweak(82, 78, "Change the Screen Saver Grace Period",
          "Sets how many seconds may pass after the screen saver starts before Windows asks "
          "for the password again; moving the mouse within that time ends the screen saver "
          "without it."),
    Tweak(83, 78, "Choose the First Desktop Icon",
          "Chooses whether My Documents or My Computer is the first icon in the top-left "
          "corner of the desktop."),
    Tweak(84, 78, "Disable Desktop Cleanup Wizard",
          "Stops the Desktop Cleanup Wizard from offering, every sixty days, to move the "
          "desktop shortcuts you have not used into a folder."),
    Tweak(85, 78, "Disable the Ability to Right Click on the Desktop",
          "Stops the menu that appears when you right-click the desktop, so that its "
          "settings and commands cannot be reached from there."),
    Tweak(86, 78, "Force Windows to Use the Classic Desktop",
          "Turns off Active Desktop and the Web view of folders, so that the desktop and "
          "Explorer look and behave as in earlier versions of Windows."),
    Tweak(87, 78, "Hide the Internet Explorer Icon",
          "Removes the Internet Explorer icon from the desktop."),
    Tweak(88, 78, "Launch Windows Desktop in a Separate Process",
          "Runs the desktop and the taskbar in a process of their own, apart from "
          "Explorer's folder windows, so that a folder window that stops responding does "
          "not take the desktop with it."),
    Tweak(89, 78, "Remove My Computer from the Desktop and Start Menu",
          "Hides the My Computer icon on the desktop and its entry in the Start menu."),
    Tweak(90, 78, "Remove My Documents from the Desktop",
          "Hides the My Documents icon on the desktop and its entry in the Start menu; the "
          "folder and its files stay where they are."),
    Tweak(91, 78, "Rename or Delete Special Folders",
          "Adds the Rename and Delete commands to the Recycle Bin's context menu, so that "
          "the icon can be given another name or removed from the desktop."),
    Tweak(92, 78, "Show Pop-up Descriptions for Explorer and Desktop Items",
          "Shows a short description in a pop-up box when the mouse pointer rests over a "
          "file, a folder or a desktop icon."),
    Tweak(93, 78, "Show User and Computer Name On Desktop",
          "Shows the user's name and the computer's name in place of the words My Computer "
          "under that icon."),
    Tweak(94, 78, "Show Windows Version On Desktop",
          "Paints the Windows version and its build number in the lower-right corner of the "
          "desktop."),
    Category(95, 11, "Explorer", "Windows Explorer Enhancements and Settings"),
    Group(96, 95, 12, "Search", "Enhancements for the Windows Explorer Search Features"),
    Tweak(97, 96, "Change Default Search Options",
          "Sets the options the Search Companion starts with: whether it matches letter "
          "case, looks in subfolders, hidden files and system folders, and searches tape "
          "backups."),
    Tweak(98, 96, "Change the Number of Active Directory Search Results",
          "Sets how many objects a search of Active Directory returns at most; a search "
          "that finds more stops at this number."),
    Tweak(99, 96, "Hide the Search Button on the Explorer Toolbar",
          "Removes the Search button from the toolbar of Explorer and Internet Explorer "
          "windows."),
    Tweak(100, 96, "Search for All File Types",
          "Makes the search look inside files of every type for the text you enter, not "
          "only inside the types Windows knows."),
    Tweak(101, 96, "Show Filter in Active Directory Search Results",
          "Shows the filter box in the results of an Active Directory search, so that the "
          "list of found objects can be narrowed down."),
    Tweak(102, 96, "Use Classic Search in Explorer",
          "Chooses between the animated Search Companion and the classic search pane of "
          "earlier Windows versions in Explorer."),
    Tweak(103, 95, "Add a Menu Option to Move or Copy to a Folder",
          "Adds Copy To Folder and Move To Folder to the context menu of files and folders, "
          "to copy or move them to a folder chosen from a list."),
    Tweak(104, 95, "Add Explorer From Here to Every Folder",
          "Adds an Explore From Here command to the context menu of every folder, which "
          "opens Explorer with that folder as the top of its tree."),
    Tweak(105, 95, "Automatically Expand Folders in Explorer",
          "Makes the folder tree of Explorer expand the folder you select and close the "
          "others, so that only the path to it stays open."),
    Hidden(106, "Change Drive Name and Icon",
           "Sets the label and the icon that Explorer shows for a drive."),
    Tweak(107, 95, "Change Program and Common Files Directory",
          "Sets the folders where programs install themselves by default and where they "
          "keep the files they share with other programs."),
    Tweak(108, 95, "Change the Auto Complete Mode",
          "Chooses how Explorer and the Run box complete a name as you type it: by "
          "appending the rest of the name, or by listing the names that match."),
    Tweak(109, 95, "Disable the Thumbnail Cache",
          "Stops Explorer from keeping the thumbnails of a folder's pictures in a hidden "
          "Thumbs.db file in that folder."),
    Tweak(110, 95, "Launch Folder Windows in a Separate process",
          "Opens each folder window in a process of its own, so that a window that stops "
          "responding does not take the desktop and the other windows with it."),
    Tweak(111, 95, "Remove Shared Documents from My Computer",
          "Removes the Shared Documents folder from My Computer."),
    Tweak(112, 95, "Restore Folder Windows at Startup",
          "Makes Windows open again, at the next logon, the folder windows that were open "
          "when you logged off."),
    Tweak(113, 95, "Show'Send to'Context Menu",
          "Shows the Send To submenu on the context menu of files and folders, or removes "
          "it."),
    Tweak(114, 95, "Show Attributes Column in Explorer",
          "Offers the Attributes column in Explorer's Details view, which shows each file's "
          "read-only, hidden, system, archive and compressed attributes."),
    Tweak(115, 95, "Show Encryption Commands on the Shortcut Menu",
          "Adds the Encrypt and Decrypt commands to the context menu of files and folders "
          "on NTFS drives."),
    Tweak(116, 95, "Show Hidden Folders and Files",
          "Makes Explorer show files and folders marked hidden, dimmed beside the others."),
    Tweak(117, 95, "Show Hidden Operating System Files",
          "Makes Explorer show the files Windows marks as protected operating system files, "
          "such as boot files in the root of the system drive."),
    Tweak(118, 95, "Show or Hide'Open With'Program Checkbox",
          "Chooses whether the Open With dialog for a file of an unknown type shows the "
          "checkbox that makes the chosen program the default for that type."),
    Tweak(119, 95, "Show Programs in the Open with Selection Box",
          "Chooses which installed programs the Open With dialog offers for opening a file."),
    Tweak(120, 95, "Specify Unknown File Type Options",
          "Sets the description Explorer shows for files whose type is not registered."),
    Hidden(121, "Speed-up Access to AVI Media Files",
           "Stops Explorer from reading AVI files to show their details, so that folders of video "
           "files open faster."),
    Category(122, 13, "File System", "File System and Storage Enhancements"),
    Group(123, 122, 14, "Caching and Memory", "File System Caching and Memory Settings"),
    Tweak(124, 123, "Optimize the System Cache Size",
          "Chooses how much memory Windows gives its file system cache. A desktop computer "
          "keeps a smaller cache so that programs have more memory; a server keeps a large one "
          "so that files it shares are read faster."),
    Group(125, 122, 15, "Files and Shortcuts", "File Name and Shortcut Settings"),
    Tweak(126, 125, "Comprehensive Search for Broken Shortcuts",
          "When a shortcut's target has moved, Windows searches the disks for it. This setting "
          "stops that search, so a broken shortcut reports its missing target at once."),
    Tweak(127, 125, "Control Long Filename Support",
          "Chooses whether FAT volumes store long file names or only short 8.3 names, as "
          "Windows 3.1 did. Turn long names off only for old disk utilities that damage them."),
    Tweak(128, 125, "Disable Automatic Network Shortcut Resolution",
          "Windows keeps the network share a shortcut came from and uses it to find the target "
          "when the shortcut is opened. Turning this off makes shortcuts on other computers "
          "resolve only by their local path."),
    Tweak(129, 125, "Disable Tracking of Broken Shortcut Links",
          "Stops Windows from using the NTFS link tracking service to find the target of a "
          "shortcut that has been moved or renamed."),
    Tweak(130, 125, "Extended Characters in Short Filenames",
          "Lets the short 8.3 names that NTFS makes for long file names keep extended "
          "characters, instead of replacing them. Older programs that read the short names may "
          "not cope with them."),
    Tweak(131, 125, "Manage Windows Short File Extensions",
          "Windows normally cuts a long extension to three letters in a file's short name, so "
          "that a search for *.htm also finds .html files. Turning truncation off keeps such "
          "searches to the extension typed."),
    Hidden(132, "Remove or Change the Shortcut Arrow",
           "Removes or replaces the small arrow that marks the icon of a shortcut."),
    Tweak(133, 125, "Remove the'Shortcut to...'Prefix on Shortcuts",
          "Explorer names a new shortcut \"Shortcut to\" followed by its target's name. A "
          "ticked box removes the \"Shortcut to\" prefix from new shortcuts."),
    Tweak(134, 125, "Short File Names on NTFS Partitions",
          "Stops NTFS from making a short 8.3 name for every file with a long name, which makes "
          "folders with many files faster. Old 16-bit programs may then not find files."),
    Hidden(135, "Show Super Hidden File Extensions",
           "Shows the extensions of file types that Windows always hides, such as those of "
           "shortcuts, even when file extensions are shown."),
    Tweak(136, 125, "Use Connected Web File and Folders",
          "Explorer moves or deletes a saved web page and the folder of its pictures together. "
          "This setting lets them be handled as separate files and folders."),
    Group(137, 122, 16, "Maintenance", "Error Checking and Defragmentation Settings"),
    Tweak(138, 137, "Automatic Boot Disk Optimization",
          "Lets Windows XP's defragmenter place the files used at start-up together on the boot "
          "disk when the computer is idle, so that Windows starts faster."),
    Tweak(139, 137, "Control How NTFS Reserves Space for its Master File Table",
          "NTFS keeps a zone of each volume free for its master file table to grow into. A "
          "larger zone suits volumes that hold very many small files."),
    Tweak(140, 137, "Disable Low Disk Space Notification",
          "Stops Windows XP from warning in the notification area when a disk is running out of "
          "free space."),
    Tweak(141, 137, "Modifying the Autocheck Time-out Value",
          "Sets how many seconds Windows waits, counting down, before it checks a disk marked "
          "as needing a check at start-up. During the wait a key press skips the check; 0 "
          "checks at once."),
    Tweak(142, 122, "Automatic Start CD-R and DVD-R Disks",
          "Chooses whether Windows starts the AutoRun program or shows the content of a CD or "
          "DVD as soon as it is inserted."),
    Tweak(143, 122, "Change Copy and Move NTFS Permission",
          "Files copied or moved on NTFS normally take the permissions of their new folder. "
          "This setting makes them keep the permissions they had."),
    Hidden(144, "Change Drive Name and Icon",
           "Sets the label and the icon that Explorer shows for a drive."),
    Hidden(145, "Change the Default Disk Utilities",
           "Sets the programs that the Tools tab of a drive's properties starts for backup, "
           "defragmentation and disk cleanup."),
    Tweak(146, 122, "Disable CD Burning",
          "Removes the CD burning features of Windows XP, so that Explorer no longer writes "
          "files to recordable CDs."),
    Hidden(147, "Disable the NTFS Last Access Time Stamp",
           "Stops NTFS from updating the last access time of a file or folder every time it is "
           "read, which saves disk activity."),
    Tweak(148, 122, "Disable the Recycle Bin",
          "Deletes files at once instead of moving them to the Recycle Bin, on every drive. "
          "Deleted files cannot then be restored."),
    Hidden(149, "Enable 48-bit LBA Support or Large Hard Drive",
           "Lets Windows use the full capacity of ATA hard disks larger than 137 GB through "
           "48-bit logical block addressing."),
    Hidden(150, "Enable Advanced File System and Sharing Security",
           "Turns off Simple File Sharing so that files and folders show the Security tab and "
           "detailed sharing permissions."),
    Tweak(151, 122, "Manage the Encrypting File System",
          "Turns the Encrypting File System off, so that files and folders on NTFS volumes can "
          "no longer be encrypted."),
    Hidden(152, "Select the Disk Drives to Start Automatically",
           "Chooses the drive letters on which AutoRun starts a program when a disk is inserted."),
    Hidden(153, "Select the Drive Types to Start Automatically",
           "Chooses the kinds of drive, such as CD-ROM, removable or network drives, on which "
           "AutoRun starts a program when a disk is inserted."),
    Tweak(154, 122, "Show File and Folder Names Using the Correct Case",
          "Explorer shows names written all in capitals with only their first letter "
          "capitalised. This setting shows every file and folder name exactly as it is stored."),
    Category(155, 17, "Login and Authentication", "Login and Authentication Enhancements"),
    Tweak(156, 155, "Allow Fast User Switching",
          "Lets several users stay logged on to Windows XP at once and switch between them "
          "without closing each other's programs."),
    Hidden(157, "Automatic Login for Novell Netware Clients",
           "Logs a user on automatically at startup on a computer with the Novell NetWare client, "
           "with a stored user name and password."),
    Hidden(158, "Automatic Login to Windows NT 2000 and XP",
           "Logs a chosen user on automatically at startup with a stored user name and password, "
           "without showing the login dialog."),
    Tweak(159, 155, "Change the Default Login Screen Saver",
          "Sets the screen saver that runs on the logon screen while nobody is logged on, and "
          "how many seconds it waits before it starts.")
        .ShownAs("Change the Default login Screen Saver"),
    Tweak(160, 155, "Change the Login Window",
          "Chooses whether Windows XP logs users on through the Welcome screen, which lists the "
          "accounts, or through the classic dialog box where the user name is typed."),
    Tweak(161, 155, "Change the Login Screen Background Color",
          "Sets the background colour of the logon screen. It also removes the logon wallpaper, "
          "since the colour shows only where no wallpaper covers it.")
        .ShownAs("Change the login Screen Background Color"),
    Tweak(162, 155, "Change the Login Screen Wallpaper",
          "Sets the picture shown on the logon screen before anyone logs on, and whether it is "
          "tiled to fill the screen.")
        .ShownAs("Change the login Screen Wallpaper"),
    Tweak(163, 155, "Customize the Windows Login and Security Dialog Titles",
          "Adds your own text to the title of the Windows logon and Windows Security dialog "
          "boxes.")
        .ShownAs("Customize the Windows login and Security Dialog Titles"),
    Tweak(164, 155, "Disable Passport Ballon Reminder",
          "Stops Windows Messenger from reminding you with a balloon to get a .NET Passport."),
    Tweak(165, 155, "Disable the Auto Login Shift Override Feature",
          "Holding Shift while Windows starts normally skips the automatic logon. This setting "
          "makes the automatic logon happen even when Shift is held.")
        .ShownAs("Disable the Auto login Shift Override Feature"),
    Tweak(166, 155, "Disable the Unread Mail Message on the Welcome Screen",
          "Stops the Welcome screen from showing under each user how many unread e-mail "
          "messages they have."),
    Tweak(167, 155, "Enable Shutdown from Authentication Dialog Box",
          "Adds a Shut Down button to the logon dialog box, so that the computer can be shut "
          "down without logging on first."),
    Hidden(168, "Force the Use of Automatic Login",
           "Logs the automatic login user back on whenever someone logs off, so that the "
           "automatic login cannot be bypassed."),
    Tweak(169, 155, "Hide the Last User Name",
          "Leaves the user name box of the logon dialog empty instead of showing the name of "
          "the last user who logged on, so that nobody learns an account name by looking."),
    Tweak(170, 155, "Hide the welcome Screen",
          "Stops Windows 2000 from showing its Welcome dialog box, which asks to press "
          "Ctrl+Alt+Delete, before the logon dialog."),
    Tweak(171, 155, "Legal Notice Dialog Box Before Login",
          "Shows a dialog box with your own title and text, such as a legal warning, that every "
          "user must confirm before logging on. Leave both fields empty to remove it.")
        .ShownAs("Legal Notice Dialog Box Before login"),
    Tweak(172, 155, "Limit the Number of Automatic Logins",
          "Limits how many more times Windows logs on automatically with the stored user name "
          "and password. Leave the number empty for no limit."),
    Tweak(173, 155, "Modify the Number of Cached Logins",
          "Sets how many previous logons Windows remembers, so that a domain user can still log "
          "on when no domain controller can be reached. 0 turns the cache off."),
    Hidden(174, "Show Administrator on the Welcom Screen",
           "Shows the built-in Administrator account on the Welcome screen, where it is normally "
           "hidden."),
    Tweak(175, 155, "Show Options on Login Dialog Box",
          "Shows the Options button and the extra fields of the logon dialog box, such as the "
          "domain, without clicking Options first.")
        .ShownAs("Show Options on login Dialog Box"),
    Tweak(176, 155, "User Active Authentication for Unlock and Screen Saver",
          "Chooses whether unlocking the computer or leaving a password-protected screen saver "
          "checks the password with the domain controller, instead of with the cached logon."),
    Category(177, 18, "Start Menu and Taskbar", "Start Menu and Taskbar Enhancements"),
    Group(178, 177, 19, "Documents and Folders", "Manage Documents and Folders on the Start Menu"),
    Tweak(179, 178, "Change the Number of Recent Documents Displayed",
          "Sets how many recently opened documents the Documents menu of the Start Menu lists, "
          "for the current user or for everyone. An empty box removes the limit so that Windows "
          "uses its default of 15."),
    Tweak(180, 178, "Clear Recent Documents When Windows Exits",
          "Empties the list of recently opened documents each time the user logs off or shuts "
          "Windows down, so that the Documents menu starts empty at every session."),
    Tweak(181, 178, "Hide Start Menu Subfolders",
          "Hides the folders that users have dragged into the Start Menu, so that only the "
          "standard entries and programs are shown."),
    Tweak(182, 178, "Show Cascading Control Panel Items",
          "Shows Control Panel on the Start Menu as a menu listing its items, instead of a link "
          "that opens the Control Panel window."),
    Tweak(183, 178, "Show Cascading My Documents Folder",
          "Shows My Documents on the Start Menu as a menu listing the folder's contents, instead "
          "of a link that opens the folder."),
    Tweak(184, 178, "Show Cascading My Pictures Folder",
          "Shows My Pictures on the Start Menu as a menu listing the folder's contents, instead "
          "of a link that opens the folder."),
    Tweak(185, 178, "Show Cascading Network Connections",
          "Shows Network Connections on the Start Menu as a menu listing each connection, so that"
          " one can be started straight from the menu."),
    Tweak(186, 178, "Show Cascading Printers Folder",
          "Shows Printers and Faxes on the Start Menu as a menu listing the installed printers, "
          "instead of a link that opens the folder."),
    Group(187, 177, 20, "Taskbar", "Taskbar Settings and Enhancements"),
    Tweak(188, 187, "Automatically Hide in Active Tray Icons",
          "Hides the notification-area icons of programs that have not been used for a while, "
          "behind an arrow button that shows them again."),
    Tweak(189, 187, "Change the Taskbar Group Size",
          "Sets how many buttons of one program the taskbar shows before it groups them into one "
          "button with a menu, when grouping of similar buttons is on. An empty box removes the "
          "setting."),
    Hidden(190, "Clear Past Icons from the Try Notification Area",
           "Empties the list of past items that the notification area keeps in its Customize "
           "Notifications dialog."),
    Tweak(191, 187, "Disable Balloon Tips",
          "Stops the notification area from showing balloon tips, the pop-up messages that "
          "programs and Windows show beside their icons."),
    Tweak(192, 187, "Disable Taskbar Context Menus",
          "Removes the menus that appear when the taskbar, the Start button, the clock or the "
          "taskbar buttons are right-clicked."),
    Tweak(193, 187, "Group Similar Taskbar Bottons",
          "Combines the taskbar buttons of windows of the same program into one button when the "
          "taskbar runs out of room."),
    Tweak(194, 187, "Lock the Size and Position of the Taskbar",
          "Locks the taskbar, so that it cannot be moved to another edge of the screen or resized"
          " by dragging."),
    Tweak(195, 187, "Remove the Start Banner on the Taskbar",
          "Removes the animated \"Click here to begin\" arrow and caption that Windows shows on "
          "the taskbar beside the Start button."),
    Tweak(196, 177, "Clear the Cashed Run Commands",
          "Deletes the list of commands typed into the Run dialog, so that the dialog no longer "
          "offers them."),
    Tweak(197, 177, "Enable Start Menu Scrolling",
          "Makes the Start Menu's Programs list scroll in one column when it is taller than the "
          "screen, instead of spreading over several columns, for the classic and the XP style "
          "menus."),
    Tweak(198, 177, "Highlight New Programs on Start Menu",
          "Highlights newly installed programs and the menus that hold them on the Start Menu, so"
          " that they are easy to find."),
    Tweak(199, 177, "Remove'All Programs'Button from the Start Menu",
          "Removes the All Programs button from the Windows XP style Start Menu, for the current "
          "user or for everyone."),
    Tweak(200, 177, "Remove Frequent Programs List from the Start Menu",
          "Removes the list of frequently used programs from the Windows XP style Start Menu, for"
          " the current user or for everyone."),
    Tweak(201, 177, "Remove My Computer from the Desktop and Start Menu",
          "Hides the My Computer icon on the desktop and its entry on the Start Menu, for the "
          "current user or for everyone."),
    Tweak(202, 177, "Remove Pinned Programs List from Start Menu",
          "Removes the pinned programs list, such as the Internet and E-mail entries at the top, "
          "from the Windows XP style Start Menu."),
    Tweak(203, 177, "Remove Set Program Access and Defaults from Start Menu",
          "Removes the Set Program Access and Defaults entry from the Start Menu, for the current"
          " user or for everyone."),
    Hidden(204, "Remove the Disconnect Menu Item",
           "Removes the Disconnect command from the Start menu of Remote Desktop and Terminal "
           "Services sessions, so that users log off instead."),
    Tweak(205, 177, "Remove Unlock Computer From the Start Menu",
          "Removes the Undock Computer command from the Start Menu of portable computers, for the"
          " current user or for everyone."),
    Tweak(206, 177, "Remove Username From the Start Menu",
          "Removes the user's name and picture from the top of the Windows XP style Start Menu, "
          "for the current user or for everyone."),
    Tweak(207, 177, "Show Favorites on the Start Menu",
          "Adds the Favorites menu of Internet Explorer to the Start Menu, for the current user "
          "or for everyone."),
    Tweak(208, 177, "Show Programs in the Frequently Used Programs List",
          "Chooses which programs may appear in the Start Menu's list of frequently used "
          "programs. A program that is cleared is never added to the list."),
    Tweak(209, 177, "Sort Start Menu and Favorites in Alphabetical Order",
          "Sorts the Start Menu and the Favorites menu alphabetically again by discarding the "
          "order the user made by dragging entries, and keeps them sorted while the box stays "
          "ticked."),
    Tweak(210, 177, "View Enhanced Start Menu Folders",
          "Chooses how the Windows XP style Start Menu shows Control Panel, My Computer, My "
          "Documents, My Music, My Pictures and Network Connections: hidden, as a link that opens"
          " a window, or as a menu of their contents."),
    Category(211, 21, "Start up and Shutdown", "Enhancements for System Starup Shutdown"),
    Tweak(212, 211, "Allow Portable to Undock Before Login",
          "Lets a portable computer be undocked from its docking station at the logon screen, "
          "before anyone has logged on, for the current user or for everyone.")
        .ShownAs("Allow Portable to Undock Before login"),
    Tweak(213, 211, "Automatically Ending Hung Applications",
          "Makes Windows end programs that stop responding at logoff or shutdown by itself, after"
          " the wait chosen, instead of asking whether to end them."),
    Tweak(214, 211, "Automatically Reboot on the'Blue Screen of Death'",
          "Restarts the computer by itself after a system failure (a \"blue screen\"), instead of"
          " leaving the error message on the screen."),
    Tweak(215, 211, "Clear The Page File at System Shutdown",
          "Makes Windows overwrite its paging file with zeros when it shuts down, so that no data"
          " left in it can be read afterwards. Shutting down takes longer."),
    Tweak(216, 211, "Disable Ability to Skip Startup Programs",
          "Stops a user from bypassing the programs that run at startup by holding down the Shift"
          " key while logging on."),
    Tweak(217, 211, "Disable Automatic Modem Connections at Startup",
          "Stops programs from dialing a modem connection by themselves when Windows starts, to "
          "reach remote programs or objects."),
    Tweak(218, 211, "Disable Save Settings at Exit",
          "Stops Windows from saving the positions of open windows and the size and position of "
          "the taskbar when the user logs off, for the current user or for everyone."),
    Tweak(219, 211, "Disable the Creation of Last known Good",
          "Stops Windows from saving the current configuration as the Last Known Good "
          "Configuration at each successful logon, so that the last saved one stays available."),
    Tweak(220, 211, "Enable Shutdown Event Tracker",
          "Asks for the reason each time the computer is shut down or restarted, and records it "
          "in the system log."),
    Tweak(221, 211, "Manage the Windows Prefetcher Service",
          "Chooses what the Windows prefetcher prepares in advance to speed up loading: nothing, "
          "programs as they start, the startup of Windows, or both."),
    Tweak(222, 211, "Modify the Duration that the Startup List is Displayed",
          "Sets for how many seconds the boot menu of installed operating systems is shown at "
          "startup before the default one starts. A clear box starts the default at once."),
    Tweak(223, 211, "Power the Computer Off After Shutdown",
          "Turns the power of the computer off when Windows has shut down, on computers that "
          "support it."),
    Tweak(224, 211, "Read Environment Variables in Autoexec.bat File",
          "Makes Windows read the SET and PATH lines of Autoexec.bat at logon and add them to the"
          " user's environment variables."),
    Tweak(225, 211, "Specify the Response Time for Hung Applications",
          "Sets how long, in milliseconds, Windows waits for a program to respond before it "
          "considers the program hung and offers to end it."),
    Category(226, 22, "System", "Windows System Parameters and Settings"),
    Group(227, kNotInTree, 23, "Scripts",
          "Settings for Windows Script Host and for logon, logoff, startup and shutdown scripts."),
    Hidden(228, "Change the Default Action For Script files",
           "Chooses whether opening a script file such as a .vbs or .js file runs it or opens it "
           "for editing."),
    Hidden(229, "Configure Windows Script Signature Security",
           "Controls whether Windows Script Host checks the digital signature of a script and "
           "refuses to run scripts that are not signed by a trusted publisher."),
    Hidden(230, "Hide the Legacy Login Scripts",
           "Hides the window of the logon scripts named in a user's account, such as batch files, "
           "while they run."),
    Hidden(231, "Hide the Logoff Scripts", "Hides the window of logoff scripts while they run."),
    Hidden(232, "Hide the Login Scripts", "Hides the window of logon scripts while they run."),
    Hidden(233, "Hide the Shutdown Scripts",
           "Hides the window of shutdown scripts while they run."),
    Hidden(234, "Hide the Startup Scripts", "Hides the window of startup scripts while they run."),
    Hidden(235, "Run Login Scripts Synchronously",
           "Makes Windows wait for your logon scripts to finish before it starts Explorer and "
           "shows the desktop."),
    Hidden(236, "Run the Login Scripts Synchronously",
           "Makes Windows wait for the logon scripts of every user of this computer to finish "
           "before it shows the desktop."),
    Hidden(237, "Run the Startup Scripts Asynchronously",
           "Lets Windows show the login screen while the computer's startup scripts are still "
           "running, instead of waiting for them to finish."),
    Hidden(238, "Windows Script Host Settings",
           "Controls whether Windows Script Host may run scripts at all, whether it may run them "
           "remotely and whether it logs security failures."),
    Group(239, 226, 24, "Services", "Windows Service Settings and Enhancements"),
    Tweak(240, 239, "Disable Distributed Component Object Model (DCOM)",
          "Stops programs from using Distributed COM to work with components on other computers, "
          "and other computers from reaching this computer's components. Some network programs and "
          "remote administration tools need it."),
    Tweak(241, 239, "Disable Network Manager Service",
          "Chooses how the Messenger service starts. The service shows the net send messages of "
          "other computers, which spammers also use for pop-up advertisements: Automatic starts it "
          "with Windows, Enabled lets it start when needed and Disabled keeps it from running."),
    Tweak(242, 239, "Disable SSDP Discovery in Windows Messenger",
          "Stops Windows Messenger from searching the network with SSDP for Universal Plug and "
          "Play devices, such as a router, that it would use to get through network address "
          "translation."),
    Tweak(243, 239, "Disable Universal Plug and Play Services",
          "Disables the Universal Plug and Play Device Host and the SSDP Discovery Service, which "
          "find and host Universal Plug and Play devices on the network. A cleared box lets a "
          "service disabled here start when needed again."),
    Tweak(244, 239, "Enable NTP Time Server",
          "Makes the Windows Time service of this computer answer the time requests of other "
          "computers, so that they can synchronize their clocks with it."),
    Tweak(245, 239, "Modify the Internet Time Synchronization Schedule",
          "Sets how often, in seconds, Windows synchronizes the computer clock with its Internet "
          "time server. An empty box keeps the current interval."),
    Hidden(246, "Modify the Internet Time Synchronization Servers",
           "Sets the list of time servers that Windows offers for synchronizing the computer "
           "clock over the Internet."),
    Tweak(247, 239, "Optimize the Windows Server Service",
          "Chooses how the Server service, which shares this computer's files and printers, uses "
          "memory: as little as possible, balanced, or as much as helps it serve the network "
          "faster."),
    Tweak(248, 239, "Restrict Interactive Services",
          "Stops services from showing windows on the user's desktop and from taking input from "
          "it, so that a service running with high privileges cannot be driven through its "
          "windows."),
    Tweak(249, 239, "Windows Time Synchronization Settings",
          "Sets the time server of the Windows Time service, how often it synchronizes, whether "
          "this computer counts as a reliable time source, and whether it synchronizes with the "
          "domain, with the server given or not at all."),
    Group(250, 226, 25, "Windows File Checker", "Enhancements for the System File Checker"),
    Tweak(251, 250, "Change the Size of the Windows File Protection Cache",
          "Sets how much disk space, in megabytes, Windows File Protection may use for its copies "
          "of protected system files. -1, the default, keeps a copy of every protected file."),
    Hidden(252, "Disable Windows File Protection",
           "Stops Windows File Protection from restoring protected system files that have been "
           "changed or deleted."),
    Tweak(253, 250, "Display SFC Progress Meter",
          "Shows a progress meter while the System File Checker scans the protected system files."),
    Tweak(254, 250, "Manage Windows File Protection Scans",
          "Chooses whether the System File Checker scans the protected system files: never, at "
          "every start of Windows, or once at the next start."),
    Tweak(255, 250, "Specify the Directory to Store Cached SFC Files",
          "Chooses the folder where Windows File Protection keeps its copies of protected system "
          "files, for example on a drive with more room."),
    Tweak(256, 226, "Automatic Download of COM Components",
          "Lets programs download and install COM components that they need but that are not "
          "installed, from the software published on the network, for the current user or for "
          "everyone."),
    Tweak(257, 226, "Change Power Management Configuration",
          "Chooses the power scheme Windows uses, such as Home/Office desktop or Portable/Laptop "
          "computer, for the current user and for the logon screen."),
    Tweak(258, 226, "Change the Library Search Order",
          "Chooses whether Windows looks for the DLLs a program loads in the system folders before "
          "the current folder, so that a DLL placed in the current folder cannot stand in for a "
          "system DLL."),
    Tweak(259, 226, "Configure Windows Software Update Services",
          "Shows whether this computer gets its updates from an update server on its own network "
          "instead of from Microsoft, and the name of that server."),
    Hidden(260, "Configuring the Registry Size Limit",
           "Sets how much paged pool memory the registry may use, which limits how large the "
           "registry can grow."),
    Tweak(261, 226, "Control Microsoft VM Garbage Collection",
          "Sets how much memory the Microsoft virtual machine for Java fills with new objects "
          "before its garbage collector runs. A larger size means fewer collections."),
    Tweak(262, 226, "Control the Default Virtual Machine Option",
          "Makes 16-bit Windows programs run each in its own memory space by default, so that one "
          "that fails does not stop the others."),
    Tweak(263, 226, "Control the Display of Popup Error Messages",
          "Chooses which errors Windows shows in message boxes: all of them, only the errors of "
          "programs, or none. The errors that are not shown are written to the event log."),
    Tweak(264, 226, "Disable the Windows Key",
          "Disables both Windows keys of the keyboard, so that pressing them opens no Start menu "
          "and starts no shortcut. Other keys remapped on the computer keep their mapping."),
    Tweak(265, 226, "Disable Update Device Driver Wizard",
          "Stops the user from updating device drivers with the Update Device Driver wizard of "
          "Device Manager."),
    Tweak(266, 226, "Force Windows to Unload DLLs from Memory",
          "Makes Explorer remove DLLs from memory as soon as no program uses them, instead of "
          "keeping them loaded in case they are needed again."),
    Tweak(267, 226, "Hide Computer Management Option",
          "Removes the Manage command, which opens Computer Management, from the menu of the My "
          "Computer icon."),
    Tweak(268, 226, "Improve Core System Performance",
          "Keeps the Windows kernel and drivers in memory instead of paging them out to disk, "
          "which helps the system respond on computers with plenty of memory."),
    Hidden(269, "Increase the USB Polling Interval",
           "Changes how often Windows asks USB devices, such as a mouse, for new input."),
    Tweak(270, 226, "Manage Automatic Windows Updates",
          "Chooses whether Automatic Updates runs and how: whether it only notifies, downloads "
          "updates by itself, or also installs them on a scheduled day and hour."),
    Hidden(271, "Modify the Paged and Non Paged Pool Memory Sizes",
           "Sets how much memory Windows reserves for the paged and non-paged pools that drivers "
           "and system services allocate from."),
    Tweak(272, 226, "Show Run in Separate Memory Space Option",
          "Shows the Run in Separate Memory Space option in the Run dialog box, which runs a "
          "16-bit program in its own virtual machine, for the current user or for everyone."),
    Category(273, 26, "Troubleshooting", "Tips and Tweaks to Fix System Problems"),
    Group(274, 273, 27, "Crash Control", "Settings to manage system errors and restoration"),
    Tweak(275, 274, "Control the Dump Creation Method",
          "Chooses whether the memory dump of a new system crash replaces the dump file left "
          "by an earlier one, or the earlier file is kept."),
    Tweak(276, 274, "Control Whether Windows Logs a System Crash",
          "Makes Windows write an event to the System event log each time the system stops with "
          "an error, so that crashes can be traced afterwards."),
    Tweak(277, 274, "Create a System Crash Dump File",
          "Chooses what Windows saves to disk when the system stops with an error: nothing, all "
          "of memory, the kernel's memory only, or a small dump with the essentials."),
    Tweak(278, 274, "Send Administrative Alerts of System Crashes",
          "Makes Windows send an administrative alert to the administrators on the network when "
          "the system stops with an error."),
    Tweak(279, 274, "Specify the Small Memory Dump Directory",
          "Sets the folder in which Windows keeps the small memory dumps it writes when the "
          "system stops with an error."),
    Tweak(280, 274, "Specify the System Crash Dump File Location",
          "Sets the file to which Windows writes the complete or kernel memory dump when the "
          "system stops with an error."),
    Group(281, kNotInTree, 28, "Logging", "Settings for system event logs and diagnostic logging."),
    Hidden(282, "Change the Number of SQL Server Error Logs",
           "Sets how many old error logs SQL Server keeps before it deletes the oldest."),
    Hidden(283, "Restrict Access to the Event Logs",
           "Stops guests and anonymous users from reading the Application, Security and System "
           "event logs."),
    Hidden(284, "Show Verbose Security Status Messages",
           "Shows detailed status messages, such as which policies are being applied, while "
           "Windows starts, shuts down, logs on and logs off."),
    Hidden(285, "User Environment Debug Logging",
           "Writes a detailed log of user profile and policy processing at logon to the Userenv "
           "log file in the Debug folder."),
    Hidden(286, "User Environment Event Logging",
           "Records user profile and policy processing events in the Application event log."),
    Hidden(287, "Windows Installer Logging",
           "Makes Windows Installer write a log file to the Temp folder for every installation it "
           "performs."),
    Group(288, 273, 29, "Repair", "Tweaks and settings to repair Windows components and software"),
    Tweak(289, 288, "New Command Missing in Windows Explorer",
          "Puts back the New command of the right-click menu of folders and the desktop, by "
          "registering the shell's New menu handler again. Clearing the box removes the "
          "handler."),
    Tweak(290, 288, "Repair Internet Explorer Printing Errors",
          "Makes Internet Explorer use style sheets again, which it needs to print many pages; "
          "without them printing can fail or give blank pages."),
    Tweak(291, 288, "Repair the Icon Cache",
          "Deletes the shell's icon cache file from the Windows folder, so that Explorer builds "
          "it again and shows the right icons after the next restart."),
    Tweak(292, 288, "Repair the Office Shortcut Bar",
          "Deletes the saved settings of the Office XP Shortcut Bar, which can stop it from "
          "starting or showing; it starts again as it did the first time."),
    Tweak(293, 288, "Repair the Registry Editor",
          "The Registry Editor remembers the last key it showed, its window layout and "
          "its search options. When these saved settings are damaged the editor can open "
          "off-screen or show errors; this repair deletes them so it starts as it did the "
          "first time."),
    Tweak(294, 288, "Repair the Taskbar",
          "Deletes the taskbar's saved position and size, so that a taskbar that has been lost "
          "off the screen or grown too large comes back at the bottom of the screen."),
    Tweak(295, 273, "Change the Active Desktop Safe Mode Background",
          "Sets the picture that Active Desktop shows as the background while it runs in safe "
          "mode after an error."),
    Tweak(296, 273, "Change the Default Mailbox Sound Setting",
          "Sets the sound file that Windows plays when new mail arrives."),
    Tweak(297, 273, "Change the Default NumLock State",
          "Turns NumLock on or off after you log on, for your own account and for the logon "
          "screen."),
    Hidden(298, "Change the Icon Cache Size",
           "Sets how many icons Explorer keeps in its icon cache; a larger cache helps when icons "
           "are drawn slowly or wrongly."),
    Tweak(299, 273, "Debug the Windows Update Process",
          "Makes Windows setup and updates stop before each step and ask to go on, so that a "
          "step that fails can be found."),
    Tweak(300, 273, "Disable Warnings on Startup",
          "Stops Windows from showing error messages while it starts, and chooses which system "
          "errors are hidden from the user."),
    Tweak(301, 273, "Enable Remote Assistance",
          "Allows other people to connect to this computer through Remote Assistance when you "
          "invite them. The same box also allows or denies Remote Desktop connections to this "
          "computer (fDenyTSConnections)."),
    Hidden(302, "Fix Problem with Athlon Hanging AGP Programs",
           "Works around hangs of 3D programs on some AMD Athlon computers with AGP graphics "
           "cards by stopping Windows from using large memory pages."),
    Tweak(303, 273, "Run Inserted CD-ROMs Automatically",
          "Makes Windows start the program on a CD-ROM as soon as the disc is inserted. Autorun "
          "for other kinds of drives is left as it is."),
    Hidden(304, "Show Computer Manufacturer and Support Information",
           "Shows the computer maker's logo and support information on the General tab of System "
           "Properties, taken from the OEMINFO.INI file."),
    Tweak(305, 273, "Windows Error Reporting Settings",
          "Chooses whether Windows offers to send a report to Microsoft when a program or the "
          "system fails, whether it asks the user first, and which errors the reports include."),
    Tweak(306, kAtRoot, "Change the Location of System and Special Folders",
          "Moves the folders Windows keeps for you, such as My Documents, the Desktop, "
          "Favorites and the Internet cache, to places of your choice. Windows uses the new "
          "places from your next logon; files already in the old folders are not moved."),
    Tweak(307, kAtRoot, "Change the Location of Windows Installation Files",
          "Sets the folder Windows asks for when it needs files from its installation disc, "
          "for example when a component is added. Point it at a copy of the installation "
          "files on the disk or the network and Windows no longer asks for the CD."),
    Tweak(308, kAtRoot, "Change the Registered Owner and Organization",
          "Changes the name and organisation that Windows was registered to when it was "
          "installed, as System Properties and many programs' About boxes show them."),
    Tweak(309, kAtRoot, "Configure CoolSwitch Application Swapping",
          "Sets how many columns and rows of program icons the window of Alt+Tab shows, and "
          "makes sure switching programs with Alt+Tab is on."),
    Hidden(310, "Change the Computer Description",
           "Sets the description that other computers on the network see next to this computer's "
           "name."),
    Tweak(311, kAtRoot, "Privacy", ""),
};
// clang-format on

static_assert(std::size(kNodes) == kTweakCount);

constexpr bool IdsMatchRows() {
    for (std::size_t row = 0; row < std::size(kNodes); ++row) {
        if (kNodes[row].id != row) {
            return false;
        }
    }
    return true;
}
static_assert(IdsMatchRows(), "row n of the table must describe TweakId n");

// The tree is built in one pass, so a parent must be a category or group shown before
// its children.
constexpr bool ParentsComeFirst() {
    for (const NodeData& node : kNodes) {
        if (node.parent < 0) {
            continue;
        }
        const NodeData& parent = kNodes[node.parent];
        if (parent.id >= node.id || parent.parent == kNotInTree || parent.kind == NodeKind::Tweak) {
            return false;
        }
    }
    return true;
}
static_assert(ParentsComeFirst(), "a tree node's parent must be an earlier category or group");

// Builds one list; `relabelled` gives the rows whose text is not the record's name (their
// date is still looked up by the name).
GroupList List(TweakId node, int nameWidth, int dateWidth, std::initializer_list<TweakId> tweaks,
               std::initializer_list<GroupRow> relabelled = {}) {
    GroupList list{node, nameWidth, dateWidth, {}};
    list.rows.reserve(tweaks.size());
    for (TweakId tweak : tweaks) {
        const char* label = nullptr;
        for (const GroupRow& row : relabelled) {
            if (row.tweak == tweak) {
                label = row.label;
            }
        }
        list.rows.push_back({tweak, label});
    }
    return list;
}

// The rows are the node's own tweaks in tree order, with a few differences that users of
// the list have always seen: Registry Editor leaves out 28, Task Scheduler 31 and Windows
// File Checker 251; Desktop lists 88 before 87; Login and Authentication lists 175 after 165.
std::vector<GroupList> BuildGroupLists() {
    return {
        // Accessories
        List(0, 295, 99, {43, 44, 45, 46, 47, 48, 49, 50}),
        // Command Processor
        List(1, 280, 115, {2, 3, 5, 6, 7, 8, 9, 10, 11, 12}),
        // Dr Watson
        List(13, 295, 99, {14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}),
        // Registry Editor
        List(25, 280, 115, {26, 27}),
        // Task Scheduler
        List(30, 295, 99, {32, 33, 34, 35, 36, 37}),
        // Windows Installer
        List(38, 295, 99, {39, 40, 41}),
        // Appearance
        List(51, 295, 99, {68, 69, 70, 71, 72, 73, 75, 76, 77}),
        // Effects and Menus
        List(52, 295, 99, {53, 54, 56, 57, 58, 59},
             {{58, "Remove the Minimize, Maximize and Close Tooltips"}}),
        // Fonts and Icons
        List(60, 295, 99, {61, 62, 63, 64, 65, 66, 67}),
        // Desktop
        List(78, 295, 99, {80, 82, 83, 84, 85, 86, 88, 87, 89, 90, 91, 92, 93, 94}),
        // Explorer
        List(95, 295, 83,
             {103, 104, 105, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120}),
        // Search
        List(96, 295, 99, {97, 98, 99, 100, 101, 102}),
        // File System
        List(122, 295, 99, {142, 143, 146, 148, 151, 154}),
        // Caching and Memory
        List(123, 295, 99, {124}),
        // Files and Shortcuts
        List(125, 295, 99, {126, 127, 128, 129, 130, 131, 133, 134, 136}),
        // Maintenance
        List(137, 295, 99, {138, 139, 140, 141}),
        // Login and Authentication
        List(155, 295, 99,
             {156, 159, 160, 161, 162, 163, 164, 165, 175, 166, 167, 169, 170, 171, 172, 173, 176}),
        // Start Menu and Taskbar
        List(177, 295, 99, {196, 197, 198, 199, 200, 201, 202, 203, 205, 206, 207, 208, 209, 210}),
        // Documents and Folders
        List(178, 295, 99, {179, 180, 181, 182, 183, 184, 185, 186}),
        // Taskbar
        List(187, 295, 99, {188, 189, 191, 192, 193, 194, 195}),
        // Start up and Shutdown
        List(211, 295, 99, {212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225}),
        // System
        List(226, 295, 99, {256, 257, 258, 259, 261, 262, 263, 264, 265, 266, 267, 268, 270, 272}),
        // Services
        List(239, 295, 99, {240, 241, 242, 243, 244, 245, 247, 248, 249}),
        // Windows File Checker
        List(250, 295, 99, {253, 254, 255}),
        // Troubleshooting
        List(273, 295, 99, {295, 296, 297, 299, 300, 301, 303, 305}),
        // Crash Control
        List(274, 295, 99, {275, 276, 277, 278, 279, 280}),
        // Repair
        List(288, 295, 99, {289, 290, 291, 292, 293, 294}),
    };
}

}  // namespace

TweakCatalogue BuildCatalogue() {
    TweakCatalogue catalogue;
    catalogue.reserve(kTweakCount);
    for (const NodeData& node : kNodes) {
        catalogue.push_back(
            TweakRecord{node.name, node.description ? node.description : kNotAvailableDescription,
                        node.image, node.id});
    }
    return catalogue;
}

const std::vector<TreeNode>& TreeNodes() {
    static const std::vector<TreeNode> tree = [] {
        std::vector<TreeNode> nodes;
        std::array<int, kTweakCount> indexOf{};
        for (const NodeData& node : kNodes) {
            if (node.parent == kNotInTree) {
                continue;
            }
            const int parent = node.parent == kAtRoot ? -1 : indexOf[node.parent];
            indexOf[node.id] = static_cast<int>(nodes.size());
            nodes.push_back({node.id, parent, node.label ? node.label : node.name, node.kind});
        }
        return nodes;
    }();
    return tree;
}

bool IsInTree(TweakId id) {
    return id < kTweakCount && kNodes[id].parent != kNotInTree;
}

const GroupList* FindGroupList(TweakId node) {
    static const std::vector<GroupList> lists = BuildGroupLists();
    for (const GroupList& list : lists) {
        if (list.node == node) {
            return &list;
        }
    }
    return nullptr;
}

}  // namespace tallowick
