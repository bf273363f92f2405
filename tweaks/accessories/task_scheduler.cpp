// The "Task Scheduler" group: the scheduler's log settings, and six policies that each
// exist per user and per machine.
#include "engine/tweak_engine.h"
#include "tweaks/accessories/accessories.h"

namespace tallowick {

namespace {

constexpr const char* kSchedulingAgent = "SOFTWARE\\Microsoft\\SchedulingAgent";

const EditTweak kLogFileSettings{
    .id = 31,
    .fields = {{"Maximum Log File Size (KB):",
                {hive::LocalMachine, kSchedulingAgent, kSchedulingAgent, "MaxLogSizeKB"},
                Store::Number,
                false},
               {"Minutes Before Idle:",
                {hive::LocalMachine, kSchedulingAgent, kSchedulingAgent, "MinutesBeforeIdle"},
                Store::Number,
                false}},
    .gate = std::nullopt,
};

// The policies live in a key of their own under the Windows policy key, which must
// already be there: only the last part is created.
constexpr const char* kSchedulerPolicies =
    "Software\\Policies\\Microsoft\\Windows\\Task Scheduler5.0";
constexpr const char* kSchedulerPolicyLeaf = "Task Scheduler5.0";

constexpr DualCheckTweak SchedulerPolicy(TweakId id, const char* userCaption,
                                         const char* machineCaption, const char* value,
                                         const char* alsoValue = nullptr) {
    return DualCheckTweak{
        .id = id,
        .userCaption = userCaption,
        .machineCaption = machineCaption,
        .path = kSchedulerPolicies,
        .create = kSchedulerPolicyLeaf,
        .value = value,
        .checked = Dword(1),
        .unchecked = Dword(0),
        .gate = gate::Win2000MeXp,
        .date = DateAt::EachWrite,
        .alsoValue = alsoValue,
    };
}

// The captions are those users know, most of them without a blank before the scope.
const DualCheckTweak kSchedulerPolicyTweaks[] = {
    SchedulerPolicy(32, "Disable Changes to Task Properties(Current User)",
                    "Disable Changes to Task Properties(All Users)", "Property Pages"),
    SchedulerPolicy(33, "Disable Changes to Task Run Command(Current User)",
                    "Disable Changes to Task Run Command(All Users)", "Allow Browse"),
    SchedulerPolicy(34, "Disable Drag and Drop Task Scheduling(Current User)",
                    "Disable Drag and Drop Task Scheduling (All Users)", "DragAndDrop"),
    SchedulerPolicy(35, "Disable Manual Task Control(Current User)",
                    "Disable Manual Task Control(All Users)", "Execution"),
    SchedulerPolicy(36, "Remove Advanced Option from Task Scheduler Wizard(Current User)",
                    "Remove Advanced Option from Task Scheduler Wizard(All Users)",
                    "Disable Advanced"),
    // One switch for both restrictions; the page shows the state of the first.
    SchedulerPolicy(37, "Restrict Task Creation and Deletion(Current User)",
                    "Restrict Task Creation and Deletion(All Users)", "Task Creation",
                    "Task Deletion"),
};

}  // namespace

void RegisterTaskScheduler(HandlerTable& table) {
    Register(table, kLogFileSettings);
    for (const DualCheckTweak& tweak : kSchedulerPolicyTweaks)
        Register(table, tweak);
}

}  // namespace tallowick
