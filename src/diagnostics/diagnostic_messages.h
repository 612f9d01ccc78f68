#pragma once
#include "core/message.h"

namespace wrk7::diagnostics {

// What the cable test and the port doctor say, by id: core's messages are
// those of a transfer, these of a check before one. Their templates are in
// diagnostic_messages.cpp, translated under the same context "Message".
enum class DiagnosticId {
    // The cable test.
    kCablePortNotOpened,
    kCablePortFailed,
    kCameBack,
    kCameBackFirst,
    kNothingCameBack,
    kLoopWhole,
    kLoopNothing,
    kLoopPart,
    kLoopWrong,
    kLoopFirstDifference,
    kAskAccepted,
    kAskRefused,
    kAskEchoOnly,
    kAskSilence,
    kAskGarbage,

    // The port doctor: what stands in a port's way and what to do.
    kDoctorSerialChip,
    kDoctorGroupMayNot,
    kDoctorJoinedAfterLogin,
    kDoctorNotInGroup,
    kDoctorHaveUdevGive,
    kDoctorThenReplugAndRelogin,
    kDoctorLogInAgain,
    kDoctorJoinGroup,
    kDoctorThenLogInAgain,
    kDoctorHeldBy,
    kDoctorCloseOrEnd,
    kDoctorStaleLock,
    kDoctorRemoveStaleLock,
    kDoctorLockedBy,
    kDoctorLockedByPid,
    kDoctorLocked,
    kDoctorCloseThatOrEnd,
    kDoctorCloseThePortUser,
    kDoctorBrltty,
    kDoctorExemptWithRule,
    kDoctorWriteAfterBrltty,
    kDoctorExemptWithCopy,
    kDoctorThenReplug,
    kDoctorModemManager,
    kDoctorLeaveAlone,
    kDoctorWriteRule,
    kDoctorTakenOver,
    kDoctorBrlttyFromBefore,
    kDoctorFindTheProgram,
    kDoctorNoPortAppeared,
    kDoctorReplugKernelSays,
    kDoctorNoDriverTook,
    kDoctorKernelSays,
    kDoctorNoDriverLoaded,
    kDoctorDriverRefused,
    kDoctorPl2303Refused,
    kDoctorDriverSays,
    kDoctorGenuineChip,
    kDoctorTryAnother,
    kDoctorLoadDriver,
    kDoctorExtraModules,
    kDoctorThisUserMayNot,
    kDoctorAskAdministrator,
    // The port doctor on Windows.
    kDoctorChipRefused,
    kDoctorOlderProlificDriver,
    kDoctorKeepDriver,
    kDoctorBadDriverVersion,
    kDoctorRollBackDriver,
    kDoctorEarlierDriver,
    kDoctorNoDriverInstalled,
    kDoctorInstallMakersDriver,
    kDoctorInstallAdapterDriver,
    kDoctorSearchDriver,
    kDoctorProblemCode,
    kDoctorSeeDeviceStatus,
    kDoctorOpenRefused,
    kDoctorLatency,
    kDoctorSetLatency,

    kCount
};

const MessageTable& MessageTableOf(DiagnosticId);

}  // namespace wrk7::diagnostics
