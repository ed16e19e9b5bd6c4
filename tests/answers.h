#pragma once
// Answers a window's yes/no question in a test: counts the questions, checks their
// title and text, and gives the answer set; the usual asker comes back afterwards.
#include <gtest/gtest.h>

#include "desktop_window.h"

struct ScriptedAnswers {
    const QString title, question;
    int asked = 0;
    int answer = Form::vbNo;
    const Form::Asker saved = Form::asker;

    ScriptedAnswers(const QString& expectedTitle, const QString& expectedQuestion, int firstAnswer)
        : title(expectedTitle), question(expectedQuestion), answer(firstAnswer)
    {
        Form::asker = [this](const std::string& gotTitle, const std::string& gotQuestion) {
            ++asked;
            EXPECT_EQ(QString::fromStdString(gotTitle), title);
            EXPECT_EQ(QString::fromStdString(gotQuestion), question);
            return answer;
        };
    }
    ~ScriptedAnswers() { Form::asker = saved; }
    ScriptedAnswers(const ScriptedAnswers&) = delete;
    ScriptedAnswers& operator=(const ScriptedAnswers&) = delete;
};
