#include "core/channel_options.h"

namespace wrk7 {

bool OffersOption(const ModelInfo& model, ChannelOption option) {
    switch (option) {
        case ChannelOption::kTrain: return model.hasTrain;
        case ChannelOption::kSecret: return model.hasScr;
        case ChannelOption::kOff:
        case ChannelOption::kTone:
        case ChannelOption::kReverse: break;
    }
    return true;
}

}  // namespace wrk7
