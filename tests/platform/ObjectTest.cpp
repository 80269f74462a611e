// Run-time class records and the framework exceptions.
#include "platform/AfxWin.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

// Test-local classes: a serialisable base and derived class, found by name,
// and a dynamic class that is neither creatable nor registered.
class CObjectTestShape : public CObject {
    DECLARE_SERIAL(CObjectTestShape)
};
IMPLEMENT_SERIAL(CObjectTestShape, CObject, 1)

class CObjectTestCircle : public CObjectTestShape {
    DECLARE_SERIAL(CObjectTestCircle)
};
IMPLEMENT_SERIAL(CObjectTestCircle, CObjectTestShape, 2)

class CObjectTestDynamic : public CObject {
    DECLARE_DYNAMIC(CObjectTestDynamic)
};
IMPLEMENT_DYNAMIC(CObjectTestDynamic, CObject)

static_assert(!std::is_copy_constructible_v<CObject> && !std::is_copy_assignable_v<CObject>);
static_assert(!std::is_copy_constructible_v<CObjectTestShape>);

TEST(CRuntimeClass, FindsSerialClassesByNarrowOrWideName)
{
    EXPECT_EQ(CRuntimeClass::FromName("CObjectTestShape"), RUNTIME_CLASS(CObjectTestShape));
    EXPECT_EQ(CRuntimeClass::FromName(L"CObjectTestCircle"), RUNTIME_CLASS(CObjectTestCircle));
    {
        SCOPED_TRACE("names must match exactly");
        EXPECT_EQ(CRuntimeClass::FromName("CObjectTestShap"), nullptr);
        EXPECT_EQ(CRuntimeClass::FromName("cobjecttestshape"), nullptr);
        // U+0165 ends in the byte 0x65, 'e': a narrowing that drops the high
        // byte would find CObjectTestShape.
        EXPECT_EQ(CRuntimeClass::FromName(L"CObjectTestShap\u0165"), nullptr);
        EXPECT_EQ(CRuntimeClass::FromName(static_cast<LPCSTR>(nullptr)), nullptr);
    }
    {
        SCOPED_TRACE("the framework's own serial arrays are registered, the dynamic ones are not");
        EXPECT_EQ(CRuntimeClass::FromName("CStringArray"), RUNTIME_CLASS(CStringArray));
        EXPECT_EQ(CRuntimeClass::FromName("CDWordArray"), RUNTIME_CLASS(CDWordArray));
        EXPECT_EQ(CRuntimeClass::FromName("CUIntArray"), nullptr);
    }
}

TEST(CObject, CreatedByNameKindOfWalksTheBaseChainAndDynamicClassesStayAnonymous)
{
    std::unique_ptr<CObject> circle(CRuntimeClass::CreateObject(L"CObjectTestCircle"));
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->GetRuntimeClass(), RUNTIME_CLASS(CObjectTestCircle));
    EXPECT_TRUE(circle->IsSerializable());
    EXPECT_TRUE(circle->IsKindOf(RUNTIME_CLASS(CObjectTestShape)));
    EXPECT_TRUE(circle->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle->IsKindOf(RUNTIME_CLASS(CObjectTestDynamic)));
    std::unique_ptr<CObject> shape(RUNTIME_CLASS(CObjectTestShape)->CreateObject());
    ASSERT_NE(shape, nullptr);
    EXPECT_TRUE(shape->IsKindOf(RUNTIME_CLASS(CObjectTestShape)));
    EXPECT_FALSE(shape->IsKindOf(RUNTIME_CLASS(CObjectTestCircle)));
    EXPECT_FALSE(RUNTIME_CLASS(CObject)->IsDerivedFrom(RUNTIME_CLASS(CObjectTestShape)));

    EXPECT_FALSE(CStringArray().IsKindOf(RUNTIME_CLASS(CObArray)));

    SCOPED_TRACE("a dynamic class is neither creatable nor found by name; nor is an unknown one");
    EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CObjectTestDynamic)->CreateObject(), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CObjectTestDynamic"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject(L"CObjectTestDynamic"), nullptr);
    EXPECT_FALSE(CObjectTestDynamic().IsSerializable());
}

TEST(CInvalidArgException, IsOneSharedObjectThatDeleteKeepsAndCutsItsMessageToTheBuffer)
{
    CInvalidArgException* caught[2] = {};
    for (CInvalidArgException*& slot : caught) {
        try {
            AfxThrowInvalidArgException();
        } catch (CInvalidArgException* e) {
            slot = e;
            e->Delete(); // must not free the shared object
        }
    }
    ASSERT_NE(caught[0], nullptr);
    EXPECT_EQ(caught[0], caught[1]);
    EXPECT_TRUE(caught[1]->IsKindOf(RUNTIME_CLASS(CException)));

    SCOPED_TRACE("GetErrorMessage after Delete: the object is still alive");
    WCHAR message[64];
    UINT helpContext = 99;
    EXPECT_TRUE(caught[1]->GetErrorMessage(message, 64, &helpContext));
    EXPECT_STREQ(message, L"Encountered an improper argument.");
    EXPECT_EQ(helpContext, 0u);

    SCOPED_TRACE("the message is cut to the buffer; no buffer, no message");
    EXPECT_TRUE(caught[1]->GetErrorMessage(message, 5));
    EXPECT_STREQ(message, L"Enco");
    EXPECT_FALSE(caught[1]->GetErrorMessage(message, 0));
}
