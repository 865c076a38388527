-- Its main chunk never ends.
while true do
end
