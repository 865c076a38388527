#include "app/TextDrawing.h"

#include "text/TextSystem.h"

void TextDrawing::BeginTextFrame()
{
    TextSystem::Instance().BeginTextFrame();
}

void TextDrawing::DrawTexts()
{
    TextSystem::Instance().DrawTexts();
}

void TextDrawing::ReleaseDeviceObjects()
{
    TextSystem::Instance().ReleaseDeviceObjects();
}

void TextDrawing::DrawScreenTexts(const std::vector<ScreenText>& texts)
{
    TextSystem::Instance().DrawScreenTexts(texts);
}
