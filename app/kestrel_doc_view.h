// The document and the view of the single-document frame: the program's
// windows are the frame's panels, so the document holds nothing and the
// view draws nothing.
#pragma once

class CKestrelDoc {
public:
    // Storing and loading the document: nothing to store.
    void Serialize() { }
};

class CKestrelView {
public:
    explicit CKestrelView(CKestrelDoc* document) : m_document(document) { }
    CKestrelDoc* GetDocument() const { return m_document; }
    void OnDraw() { }
    void OnBeginPrinting() { }
    void OnEndPrinting() { }

private:
    CKestrelDoc* m_document;
};
