#pragma once

#include <QString>
#include <QUrl>

// The login service's request, from what the user typed.

// The prompt for a missing field ("请输入用户名!", "请输入密码!"); empty when both are there.
QString LoginInputPrompt(const QString& userName, const QString& password);

// The service's address with the name and password as typed. Each is percent-encoded
// as one query value, so "&", "#", "+" or "%" in a password reach the site unchanged.
QUrl LoginRequestUrl(const QString& userName, const QString& password, bool keepLoggedIn);
