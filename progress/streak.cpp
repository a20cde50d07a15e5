#include "streak.h"

namespace progress {

BookState afterAnswer(BookState state, bool right, int rightsToLeave) {
    if (!right)
        return {true, 0};
    if (!state.inBook)
        return state;
    if (state.streak + 1 >= rightsToLeave)
        return {};
    return {true, state.streak + 1};
}

} // namespace progress
