#pragma once

#include "site/HttpRequest.h"

#include <QByteArray>

// Reads requests off a byte stream one at a time, within fixed bounds: a head larger
// than MaxHeadBytes or with more than MaxHeaderCount fields, or a body larger than
// MaxBodyBytes, fails with the status to answer. Bodies of GET and HEAD are skipped.
class HttpRequestParser {
public:
    enum class State { NeedMore, Complete, Failed };

    static constexpr qsizetype MaxHeadBytes = 8192;
    static constexpr int MaxHeaderCount = 64;
    static constexpr qint64 MaxBodyBytes = 65536;

    // Consumes the bytes of the current request from the front of `buffer`. After
    // Complete, request() holds it and the next feed starts a new request; after
    // Failed, failureStatus() tells the answer and the parser stays failed.
    State feed(QByteArray& buffer);
    const HttpRequest& request() const { return m_request; }
    int failureStatus() const { return m_failure; }
    // True while part of a request has arrived but not all of it.
    bool isMidRequest() const { return m_midRequest; }

private:
    State fail(int status);
    bool refuse(int status);
    bool parseHead(QByteArrayView head);
    bool parseRequestLine(QByteArrayView line);
    bool parseTarget(QByteArrayView target);

    HttpRequest m_request;
    qint64 m_bodyLeft = 0;
    bool m_readingBody = false;
    bool m_midRequest = false;
    int m_failure = 0;
};
