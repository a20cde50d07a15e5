// The wrong-answer book's one rule: a wrong answer puts a question in (or back to the start),
// a run of right answers takes it out.
#pragma once

namespace progress {

struct BookState {
    bool inBook = false;
    int streak = 0; // right answers in a row since the last wrong one, while in the book

    friend bool operator==(const BookState &, const BookState &) = default;
};

BookState afterAnswer(BookState state, bool right, int rightsToLeave);

} // namespace progress
