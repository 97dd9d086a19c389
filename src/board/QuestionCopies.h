#pragma once
// The loaded question's values that an authoring job keeps while the
// registration form edits them, and puts back when the job is cancelled or
// leaves one unset. Both jobs, from typed clues and from a drawing, use it.
#include "app/Shared.h"

#include <QString>
#include <cstdint>

namespace velin {

struct QuestionCopies {
    QString title;
    QString answer;
    int16_t difficulty = 0;
    int16_t rows = 0;
    int16_t columns = 0;

    // Keeps the values and clears them, so that the registration form starts
    // empty.
    static QuestionCopies KeepAndClear()
    {
        const QuestionCopies copies{Shared.QuestionTitle, Shared.AnswerName, Shared.Difficulty, Shared.RowCount,
                                    Shared.ColumnCount};
        Shared.QuestionTitle.clear();
        Shared.AnswerName.clear();
        Shared.Difficulty = 0;
        Shared.RowCount = 0;
        Shared.ColumnCount = 0;
        return copies;
    }
    // A registered question keeps its own values. A job that left one unset
    // puts them all back, and so does a cancelled one: the registration form
    // stores what is typed as it is typed, and a cancel must not leave the
    // shown question with a title or sizes that were never registered.
    void PutBackUnlessRegistered() const
    {
        if (!Shared.JobMode.isEmpty() && !Shared.QuestionTitle.isEmpty() && !Shared.AnswerName.isEmpty() &&
            Shared.Difficulty >= 1 && Shared.RowCount >= 1 && Shared.ColumnCount >= 1)
            return;
        Shared.QuestionTitle = title;
        Shared.AnswerName = answer;
        Shared.Difficulty = difficulty;
        Shared.RowCount = rows;
        Shared.ColumnCount = columns;
    }
};

} // namespace velin
