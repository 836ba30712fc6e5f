# The two window programs (set up with the windows).
