// Every message the split jobs show: its text, the kind of box and the
// caption. Texts are shown exactly as they stand here, typos included, since
// users and their notes know them by these words.
#pragma once

namespace split {

enum class Box {
    Dialog,  // owned by the main dialog, the caption given, no icon
    App,     // owned by the main dialog, the program's name as caption, exclamation icon
};

struct Message {
    const char* text;
    Box box;
    const char* caption;  // for Box::Dialog
};

// --- Shared by the three jobs ---
inline constexpr Message kOpenSourceFailed{"Can not open the AC3 file!", Box::Dialog, "Error"};
inline constexpr Message kMeasureSourceFailed{"my_lseeki64 is wrong for GetFileSizeEx", Box::Dialog, "Error"};
inline constexpr Message kSpanTooLarge{"Can not output the AC3 file bigger than 2G.", Box::Dialog, "Error"};
inline constexpr Message kOpenOutputFailed{"Can not open the output AC3 file!", Box::App, ""};
inline constexpr Message kWriteOutputFailed{"Can not write the output AC3 file!", Box::App, ""};
// A read error, or the source ending before the range does (it shrank).
inline constexpr Message kReadSourceFailed{"Can not read the AC3 file!", Box::App, ""};
inline constexpr Message kSplittingDone{"Splitting is done!", Box::Dialog, "Message"};

// Refusals that keep a job from harming anything.
inline constexpr Message kOutputIsSource{
    "The output file is the source AC3 file itself! Please choose another output.", Box::Dialog, "Error"};
inline constexpr Message kNoFrameSize{"Can not read the AC3 file frame size!", Box::Dialog, "Error"};

// --- The segment cut's own checks ---
inline constexpr Message kOpenSourceFirst{"Please open an AC3 file first!", Box::Dialog, "Error"};
inline constexpr Message kStartAfterTotal{"The Start Time is bigger than the total time!", Box::Dialog, "Error"};
inline constexpr Message kEndAfterTotal{"The End Time is bigger than the total time!", Box::Dialog, "Error"};
inline constexpr Message kStartAfterEnd{"The Start Time is bigger than the End Time!", Box::Dialog, "Error"};
// The question before the cut writes over an existing file; %s is its path.
// Ownerless, caption "Warning", Yes and No, exclamation icon.
inline constexpr char kReplaceQuestion[] = "%s exists. Do you want to replace it?";
inline constexpr char kReplaceCaption[] = "Warning";

// --- The split by duration's own check ---
inline constexpr Message kSplitSecondsTooSmall{
    "The split file time must be at least 1 second! Please enter a whole number of seconds.", Box::Dialog,
    "Error"};

// The texts of the steps whose wording differs between the jobs.
struct JobTexts {
    Message emptyRange;    // the aligned range is empty
    Message seekLeading;   // positioning at byte 0 for the leading bytes failed
    Message writeLeading;  // the leading bytes were not all written
    Message seekBegin;     // positioning at the range's begin failed
};

inline constexpr JobTexts kSegmentCutTexts{
    {"Can not split the AC3 file!", Box::Dialog, "error"},
    {"my_lseeki64 is wrong(1).", Box::Dialog, "Error"},
    {"Can not write the output mpeg file!", Box::App, ""},
    {"my_lseeki64 is wrong(2).", Box::Dialog, "Error"},
};

inline constexpr JobTexts kEqualPartsTexts{
    {"Can not split the AC3 file!", Box::Dialog, "error"},
    {"my_lseeki64 is wrong(3).", Box::Dialog, "Error"},
    {"Can not write the output AC3 file!", Box::App, ""},
    {"my_lseeki64 is wrong(4).", Box::Dialog, "Error"},
};

inline constexpr JobTexts kDurationPartsTexts{
    {"Can not split the AC3 file!(n_end_position<=n_begin_positio)", Box::Dialog, "error"},
    {"my_lseeki64 is wrong(5).", Box::Dialog, "Error"},
    {"Can not write the output AC3 file!", Box::App, ""},
    {"my_lseeki64 is wrong6).", Box::Dialog, "Error"},
};

}  // namespace split
